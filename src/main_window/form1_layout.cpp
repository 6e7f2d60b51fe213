// The main window as designed: every control's box, colours, texts and
// fonts, and the order in which overlapping controls cover each other.
#include "main_window/form1.h"

#include "toolkit/fonts.h"
#include "toolkit/system_colours.h"

using toolkit::Alignment;
using toolkit::Label;
using toolkit::Line;
using toolkit::Outline;
using toolkit::Shape;
using toolkit::SystemColour;
using toolkit::rgb;
using toolkit::systemColour;

namespace {

struct LabelDesign {
    const char* caption;
    QColor back;
    QColor fore;
    Alignment alignment;
    bool border;
    QFont font;
};

void design(Label& label, float left, float top, float width, float height, const LabelDesign& look)
{
    label.setBox(left, top, width, height);
    label.setCaption(QString::fromUtf8(look.caption));
    label.setBackColor(look.back);
    label.setForeColor(look.fore);
    label.setAlignment(look.alignment);
    label.setBorder(look.border);
    label.setFont(look.font);
}

void designDisc(Shape& shape, float left, float top, QColor fill)
{
    shape.setBox(left, top, 252, 252);
    shape.setFillColor(fill);
    shape.setOutline(Outline::None);
}

void designRing(Shape& shape, float left, float top, QColor outline, Outline style)
{
    shape.setBox(left, top, 252, 252);
    shape.setOutline(style, outline, 4);
}

void designPanel(Shape& shape, float left, float top, float width, float height)
{
    shape.setBox(left, top, width, height);
    shape.setFillColor(rgb(224, 224, 224));
    shape.setOutline(Outline::Solid, rgb(0, 0, 255), 1);
}

void designHiddenLine(Line& line, float x1, float y1, float x2, float y2, QColor colour, int pixels)
{
    line.setEnds(x1, y1, x2, y2);
    line.setColor(colour);
    line.setPixels(pixels);
    line.setVisible(false);
}

QFont arial(double points, bool bold = false) { return toolkit::layoutFont(QStringLiteral("Arial"), points, bold); }
// The window's own font, for the labels that name none.
QFont defaultFont() { return toolkit::layoutFont(QStringLiteral("MS Sans Serif"), 8); }

const QColor Grey224 = rgb(224, 224, 224);
const QColor Dark64 = rgb(64, 64, 64);
const QColor PalePink = rgb(255, 192, 192);
const QColor PaleGreen = rgb(192, 255, 192);

} // namespace

void Form1::designDiagram()
{
    Shape1.setBox(-120, 60, 4992, 4992);
    Shape1.setOutline(Outline::Solid, rgb(0, 0, 255), 1);

    design(Label8, 2160, 0, 615, 375,
           {"Nord", systemColour(SystemColour::ActiveBorder), systemColour(SystemColour::ButtonText), Alignment::Centre,
            true, arial(9.75)});

    designDisc(Vb, 2160, 660, rgb(0, 0, 255));
    designDisc(Vc, 2160, 780, rgb(255, 0, 0));
    designDisc(Vf, 2280, 720, rgb(0, 255, 0));
    designRing(Vcmoyen, 1440, 840, PalePink, Outline::Solid);
    designRing(Vfmoyen, 2760, 1800, PaleGreen, Outline::Dashed);
    Vcmoyen.setVisible(false);
    Vfmoyen.setVisible(false);
    // What the spots' colours tell, their names say.
    Vb.setAccessibleName(QStringLiteral("bateau"));
    Vc.setAccessibleName(QStringLiteral("courant"));
    Vf.setAccessibleName(QStringLiteral("route fond"));
    Vcmoyen.setAccessibleName(QStringLiteral("courant moyen"));
    Vfmoyen.setAccessibleName(QStringLiteral("route fond moyenne"));

    const QColor windowBackground = systemColour(SystemColour::WindowBackground);
    designHiddenLine(Lb, 2850, 1425, 4050, 1950, windowBackground, 1);
    designHiddenLine(Lc, 1800, 1725, 3000, 2250, windowBackground, 1);
    designHiddenLine(Lf, 2925, 1200, 4125, 1725, windowBackground, 1);
    designHiddenLine(Lv1, 1275, 1800, 2475, 2325, systemColour(SystemColour::InactiveTitleBar), 2);
    designHiddenLine(Lcmoyen, 525, 1950, 1725, 2475, windowBackground, 1);
    designHiddenLine(Lfmoyen, 1125, 2475, 2325, 3000, windowBackground, 1);

    // The tags follow their spots and must not stop the pointer dragging them.
    design(Boat, 1860, 420, 372, 252, {"Cap", windowBackground, rgb(0, 0, 255), Alignment::Centre, true, defaultFont()});
    design(Flux, 2100, 1260, 372, 252, {"Flux", windowBackground, rgb(255, 0, 0), Alignment::Centre, true, defaultFont()});
    design(Wind, 660, 1020, 432, 252, {"Vent", windowBackground, rgb(0, 0, 255), Alignment::Centre, true, defaultFont()});
    for (Label* tag : {&Boat, &Flux, &Wind})
        tag->setEnabled(false);
}

void Form1::designLegends()
{
    const QColor text = systemColour(SystemColour::ButtonText);
    design(Label4, 120, 120, 552, 252, {"instant", Grey224, text, Alignment::Left, false, arial(9)});
    designDisc(Shape7, 120, 420, rgb(255, 0, 0));
    designDisc(Shape6, 120, 660, rgb(0, 255, 0));
    design(Label6, 4200, 120, 612, 252, {"moyen", Grey224, text, Alignment::Left, false, arial(9)});
    designRing(Shape4, 4500, 420, PalePink, Outline::Solid);
    designRing(Shape5, 4500, 720, PaleGreen, Outline::Dashed);
    Label4.setVisible(false);
    Label6.setVisible(false);
}

void Form1::designButtonStrip()
{
    design(Label7, 0, 4560, 1212, 252,
           {"Echelle (kn):", Grey224, systemColour(SystemColour::WindowText), Alignment::Left, false, arial(10.5)});
    for (int i = 0; i < Cinq.size(); ++i) {
        Cinq(i).setBackColor(form1_design::PaleBlue);
        Cinq(i).setFont(arial(10.5));
    }
    for (toolkit::PushButton* button : {Quitter, Aide}) {
        button->setBackColor(form1_design::PaleBlue);
        button->setFont(arial(10.5));
    }
    Quitter->onClick = undoable("Quitter_Click", [this] { Quitter_Click(); });
    Aide->onClick = undoable("Aide_Click", [this] { Aide_Click(); });
}

void Form1::designReadouts()
{
    const QColor text = systemColour(SystemColour::ButtonText);
    designPanel(Shape2, 60, 5100, 4872, 1572);
    design(VMG, 120, 5160, 2052, 312, {"VMG", Grey224, text, Alignment::Centre, true, arial(10.5, true)});
    design(Vent, 2820, 5160, 2052, 312, {"Vent xx°  yy°", Grey224, text, Alignment::Centre, true, arial(10.5, true)});
    design(COG, 120, 5520, 1212, 372, {"Fond", Grey224, rgb(0, 192, 0), Alignment::Centre, true, arial(10.5)});
    design(Flow, 1920, 5520, 1212, 372, {"Courant", Grey224, rgb(255, 0, 0), Alignment::Centre, true, arial(10.5)});
    design(Sail, 3660, 5520, 1212, 372, {"Voilier", Grey224, rgb(0, 0, 255), Alignment::Centre, true, arial(10.5)});
    design(Label1, 120, 5940, 4752, 252,
           {"COG                Courant             Voilier", Grey224, systemColour(SystemColour::ButtonShadow),
            Alignment::Centre, false, arial(12)});
    design(COGMean, 60, 6300, 4812, 312, {"", Dark64, rgb(128, 255, 128), Alignment::Centre, true, arial(10.5, true)});
}

void Form1::designHourPanel()
{
    designPanel(Shape3, 4920, 60, 2052, 6612);
    for (int i = 0; i < Label2.size(); ++i) {
        design(Label2(i), 5220, form1_design::rowTop(i), 1440, 240,
               {"", systemColour(SystemColour::ButtonFace), rgb(255, 0, 0), Alignment::Left, true,
                toolkit::layoutFont(QStringLiteral("MS Sans Serif"), 9.75)});
        // Every button of the panel shows the same mark: a screen reader
        // tells them apart by row and role, and reads the row's record.
        Heure(i).setAccessibleName(QStringLiteral("Heure %1").arg(i + 1));
        Raz(i).setAccessibleName(QStringLiteral("Effacer l'heure %1").arg(i + 1));
        Heure(i).setLabelledBy(Label2(i));
        Raz(i).setLabelledBy(Label2(i));
    }
    design(Label3, 4980, 5940, 1932, 372, {"XXX° YY.Y n", Dark64, rgb(255, 128, 128), Alignment::Centre, true, arial(10.5, true)});
    design(Label5, 4980, 6300, 1932, 312,
           {"Intégrale courant", Dark64, rgb(255, 128, 128), Alignment::Centre, false, arial(10.5)});
}

void Form1::designDrawingOrder()
{
    std::vector<const toolkit::LightControl*> frontFirst{&Label8};
    for (int i = Label2.size() - 1; i >= 0; --i)
        frontFirst.push_back(&Label2(i));
    for (const toolkit::LightControl* control : std::initializer_list<const toolkit::LightControl*>{
             &Wind,  &Vb,     &Vc,     &Vf,      &Boat,    &Flux,    &Label6, &Shape5, &Shape4,  &Label5, &Label4, &Shape7,
             &Shape6, &Lfmoyen, &Vfmoyen, &Lcmoyen, &Label3, &Shape3, &Shape1, &Vent,   &VMG,     &Label1, &Sail,   &Flow,
             &COG,   &Lb,     &Lc,     &Lf,      &Lv1,     &Vcmoyen, &COGMean, &Shape2, &Label7})
        frontFirst.push_back(control);
    setDrawingOrder(std::move(frontFirst));
}
