#pragma once

#include "main_window/form1.h"

#include <optional>
#include <stdexcept>

// Makes a run of Calcul fail with an exception the tool does not expect,
// before it has rewritten anything or after it has rewritten everything: a
// handler that calls it then fails half-way.
enum class CalculFails { Before, After };

// Counts the runs of one window's Calcul through the window's watch, for as
// long as it lives, and can make the next run fail.
class CalculRuns {
public:
    explicit CalculRuns(Form1& form) : form_(form)
    {
        form.calculWatch = [this](Form1::CalculMoment moment) {
            if (moment == Form1::CalculMoment::Begins)
                ++count_;
            if (nextFailure_ == (moment == Form1::CalculMoment::Begins ? CalculFails::Before : CalculFails::After)) {
                nextFailure_.reset();
                throw std::logic_error("Calcul failed as the test asked");
            }
        };
    }
    ~CalculRuns() { form_.calculWatch = nullptr; }
    CalculRuns(const CalculRuns&) = delete;
    CalculRuns& operator=(const CalculRuns&) = delete;

    long count() const { return count_; }
    void failNext(CalculFails when) { nextFailure_ = when; }

private:
    Form1& form_;
    long count_ = 0;
    std::optional<CalculFails> nextFailure_;
};
