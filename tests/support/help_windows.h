#pragma once

#include "help_window/form2.h"

#include <QApplication>

#include <vector>

// Every help window, open or closed and waiting to be deleted.
inline std::vector<Form2*> helpWindows()
{
    std::vector<Form2*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<Form2*>(widget))
            found.push_back(help);
    return found;
}

// A help window has no owner, so it outlives the tool that opened it; a test
// holds one of these to leave none behind for the next test.
struct HelpWindowsRemoved {
    HelpWindowsRemoved() = default;
    HelpWindowsRemoved(const HelpWindowsRemoved&) = delete;
    HelpWindowsRemoved& operator=(const HelpWindowsRemoved&) = delete;
    ~HelpWindowsRemoved()
    {
        for (Form2* help : helpWindows())
            delete help;
    }
};
