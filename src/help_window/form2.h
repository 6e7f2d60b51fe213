#pragma once

#include "toolkit/label.h"
#include "toolkit/window.h"

// The help window: a sizable window whose one label carries the help text.
// It handles nothing itself; closing it destroys it, and the next click on
// Aide builds a new one from these design values.
class Form2 : public toolkit::Window {
    Q_OBJECT
public:
    Form2();

    toolkit::Label Label1{*this};
};
