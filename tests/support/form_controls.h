#pragma once

#include "main_window/form1.h"

#include <vector>

// Every windowless control of a window of one kind, back to front, from the
// window's own list: for checks that must hold for all of them.
template <class Control>
std::vector<const Control*> controlsOf(const toolkit::Window& window)
{
    std::vector<const Control*> found;
    for (const toolkit::WindowlessControl* control : window.controls())
        if (const auto* kind = dynamic_cast<const Control*>(control))
            found.push_back(kind);
    return found;
}

inline std::vector<const toolkit::Label*> labelsOf(const Form1& f) { return controlsOf<toolkit::Label>(f); }
inline std::vector<const toolkit::Shape*> shapesOf(const Form1& f) { return controlsOf<toolkit::Shape>(f); }
inline std::vector<const toolkit::Line*> linesOf(const Form1& f) { return controlsOf<toolkit::Line>(f); }
