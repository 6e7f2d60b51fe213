#pragma once

#include "app/entree.h"
#include "diagram/diagram_state.h"
#include "main_window/form1.h"

#include <QApplication>
#include <QLocale>

#include <stdexcept>

// The main window a first run of Main has made, found as the user finds it:
// the one among the application's windows that was not there before.
inline Form1& newMainWindow(const QWidgetList& before)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form1*>(widget); form && !before.contains(widget))
            return *form;
    throw std::logic_error("Main has made no main window");
}

// A tool started as the sailor starts it, fresh for each test. The locale is
// set before the window reads it.
class StartedTool {
public:
    explicit StartedTool(const QLocale& locale = QLocale(QLocale::French, QLocale::France))
        : previous_(QLocale())
    {
        QLocale::setDefault(locale);
        const QWidgetList before = QApplication::topLevelWidgets();
        entree.Main();
        form_ = &newMainWindow(before);
    }
    ~StartedTool() { QLocale::setDefault(previous_); }
    StartedTool(const StartedTool&) = delete;
    StartedTool& operator=(const StartedTool&) = delete;

    DiagramState& state() { return entree.state; }
    Form1& form() { return *form_; }

    // A pointer move as form_MouseMove receives it, at an offset from the
    // diagram centre.
    void moveFromCentre(float x, float y, std::int16_t button = 1)
    {
        form().form_MouseMove(button, 0, state().CenterX + x, state().CenterY + y);
    }

private:
    QLocale previous_;
    Form1* form_ = nullptr;

public:
    Entree entree;
};
