#include "main_window/form1_design.h"

#include "toolkit/fonts.h"
#include "toolkit/system_colours.h"

namespace form1_design {

using toolkit::rgb;
using toolkit::SystemColour;
using toolkit::systemColour;

QColor colour(Colour name)
{
    switch (name) {
    case NoColour: return {};
    case NightBlue: return rgb(3, 0, 99);
    case Blue: return rgb(0, 0, 255);
    case Red: return rgb(255, 0, 0);
    case Green: return rgb(0, 255, 0);
    case DarkGreen: return rgb(0, 192, 0);
    case PalePink: return rgb(255, 192, 192);
    case PaleGreen: return rgb(192, 255, 192);
    case PanelGrey: return rgb(224, 224, 224);
    case DarkGrey: return rgb(64, 64, 64);
    case LightGreen: return rgb(128, 255, 128);
    case LightRed: return rgb(255, 128, 128);
    case PaleBlue: return rgb(192, 192, 255);
    case ChosenScaleGreen: return rgb(100, 255, 100);
    case ButtonFace: return systemColour(SystemColour::ButtonFace);
    case ButtonText: return systemColour(SystemColour::ButtonText);
    case ButtonShadow: return systemColour(SystemColour::ButtonShadow);
    case WindowBackground: return systemColour(SystemColour::WindowBackground);
    case WindowText: return systemColour(SystemColour::WindowText);
    case ActiveBorder: return systemColour(SystemColour::ActiveBorder);
    case InactiveTitleBar: return systemColour(SystemColour::InactiveTitleBar);
    }
    return {};
}

QFont font(Typeface face, double points)
{
    switch (face) {
    case Arial: return toolkit::layoutFont(QStringLiteral("Arial"), points);
    case ArialBold: return toolkit::layoutFont(QStringLiteral("Arial"), points, true);
    case SansSerif: return toolkit::layoutFont(QStringLiteral("MS Sans Serif"), points);
    case DefaultFont: return toolkit::layoutFont(QStringLiteral("MS Sans Serif"), 8);
    }
    return {};
}

} // namespace form1_design
