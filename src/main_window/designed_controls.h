#pragma once

#include "main_window/form1_design.h"
#include "toolkit/label.h"
#include "toolkit/line.h"
#include "toolkit/shape.h"

class Form1;

// The main window's windowless controls, each made as its one declaration
// designs it: box, look, accessible name and when it shows. Made in the
// order declared, each lies in front of those made before it.
namespace form1_design {

class Label : public toolkit::Label {
public:
    Label(Form1& form, Box box, const LabelLook& look, Showing showing = Shown);
};

class Shape : public toolkit::Shape {
public:
    // What its colour tells, its accessible name says: a shape or a line
    // with none is not read.
    Shape(Form1& form, const ShapeLook& look, const char* accessibleName = "", Showing showing = Shown);
};

class Line : public toolkit::Line {
public:
    Line(Form1& form, const LineLook& look, const char* accessibleName = "", Showing showing = Hidden);
};

} // namespace form1_design
