#include "main_window/designed_controls.h"

#include "main_window/form1.h"

namespace form1_design {

using toolkit::Outline;

Label::Label(Form1& form, Box box, const LabelLook& look, Showing showing) : toolkit::Label(form)
{
    setBox(box.left, box.top, box.width, box.height);
    setCaption(QString::fromUtf8(look.caption));
    setBackColor(colour(look.back));
    setForeColor(colour(look.fore));
    setAlignment(look.alignment);
    setBorder(look.edge == Bordered);
    setFont(form1_design::font(look.face, look.points));
    setEnabled(look.pointer == TakesThePointer);
    form.designShowing(*this, showing);
}

namespace {
toolkit::ShapeKind kindOf(Figure figure)
{
    return figure == Frame || figure == Panel ? toolkit::ShapeKind::Rectangle : toolkit::ShapeKind::Circle;
}
} // namespace

Shape::Shape(Form1& form, const ShapeLook& look, const char* accessibleName, Showing showing)
    : toolkit::Shape(form, kindOf(look.figure))
{
    setBox(look.box.left, look.box.top, look.box.width, look.box.height);
    switch (look.figure) {
    case Disc:
        setFillColor(colour(look.colour));
        setOutline(Outline::None);
        break;
    case Ring:
    case DashedRing:
        setOutline(look.figure == Ring ? Outline::Solid : Outline::Dashed, colour(look.colour), 4);
        break;
    case Frame:
    case Panel:
        if (look.figure == Panel)
            setFillColor(colour(PanelGrey));
        setOutline(Outline::Solid, colour(Blue), 1);
        break;
    }
    setAccessibleName(QString::fromUtf8(accessibleName));
    form.designShowing(*this, showing);
}

Line::Line(Form1& form, const LineLook& look, const char* accessibleName, Showing showing) : toolkit::Line(form)
{
    setEnds(look.x1, look.y1, look.x2, look.y2);
    setColor(colour(look.colour));
    setPixels(look.pixels);
    setAccessibleName(QString::fromUtf8(accessibleName));
    form.designShowing(*this, showing);
}

} // namespace form1_design
