#pragma once

#include "diagram/diagram_state.h"
#include "main_window/form1_variables.h"

#include <QColor>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class Form1;
namespace toolkit {
class Label;
class PushButton;
} // namespace toolkit

// An event undone should its handler fail half-way, for instance after it
// changed the diagram state but before the controls were rewritten from it:
// the diagram state, the window's working values, every label's caption and
// every push button's face are kept as they were when the event began, put
// back, and the rose and every control drawn again from them. Calcul
// rewrites the rest. Kept in place, so an event allocates nothing for it.
class EventRollback {
public:
    // Made once the window's controls are: drawRose draws the rings and
    // spokes of the scale in the state.
    EventRollback(Form1& form, DiagramState& state, std::function<void()> drawRose);

    template <class Handler>
    void run(Handler&& handler)
    {
        // An event raised from inside another is part of it.
        if (running_) {
            handler();
            return;
        }
        keep();
        running_ = true;
        try {
            handler();
        } catch (...) {
            running_ = false;
            undo();
            throw;
        }
        running_ = false;
    }

private:
    void keep();
    void undo();

    Form1& form_;
    DiagramState& live_;
    const std::function<void()> drawRose_;
    bool running_ = false;
    DiagramState state_;
    Form1Variables var_;
    std::vector<std::pair<toolkit::Label*, QString>> captions_;
    std::vector<std::pair<toolkit::PushButton*, QColor>> faces_;
};
