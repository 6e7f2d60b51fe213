#pragma once

#include "diagram/diagram_state.h"
#include "main_window/form1_variables.h"

#include <QColor>
#include <QString>

#include <array>
#include <functional>

class Form1;

// An event undone should its handler fail half-way, for instance after it
// changed the diagram state but before the controls were rewritten from it:
// what the handlers change is kept as it was when the event began (the
// diagram state, the window's working values, the hour rows and their
// summary, the scale buttons' colours), put back, and the rose and every
// control drawn again from it. Kept in place, so an event allocates nothing
// for it.
class EventRollback {
public:
    // drawRose draws the rings and spokes of the scale in the state.
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
    std::array<QString, 24> rows_;
    QString summary_;
    std::array<QColor, 4> scaleFaces_;
};
