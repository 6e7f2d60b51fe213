#pragma once

#include "app/entree.h"
#include "diagram/diagram_state.h"
#include "main_window/form1.h"

#include <QLocale>

// A tool started as the sailor starts it, fresh for each test. The locale is
// set before the window reads it.
class StartedTool {
public:
    explicit StartedTool(const QLocale& locale = QLocale(QLocale::French, QLocale::France))
        : previous_(QLocale())
    {
        QLocale::setDefault(locale);
        entree.Main();
    }
    ~StartedTool() { QLocale::setDefault(previous_); }
    StartedTool(const StartedTool&) = delete;
    StartedTool& operator=(const StartedTool&) = delete;

    DiagramState& state() { return entree.state(); }
    Form1& form() { return *entree.form1(); }

    // A pointer move as form_MouseMove receives it, at an offset from the
    // diagram centre.
    void moveFromCentre(float x, float y, std::int16_t button = 1)
    {
        form().form_MouseMove(button, 0, state().CenterX + x, state().CenterY + y);
    }

private:
    QLocale previous_;

public:
    Entree entree;
};
