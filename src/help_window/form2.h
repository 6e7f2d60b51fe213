#pragma once

#include "toolkit/label.h"
#include "toolkit/window.h"

#include <QIcon>

// The help window: a sizable window whose one label carries the help text.
// It handles nothing itself; closing it destroys it, and the next click on
// Aide builds a new one from these design values.
class Form2 : public toolkit::Window {
    Q_OBJECT
public:
    // The main window's icon, shared rather than made again for each window.
    explicit Form2(const QIcon& icon);

    toolkit::Label Label1{*this};
};
