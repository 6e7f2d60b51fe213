#include "toolkit/system_colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace toolkit {

QColor systemColour(SystemColour role)
{
    const QPalette palette = QGuiApplication::palette();
    switch (role) {
    case SystemColour::ButtonFace: return palette.color(QPalette::Button);
    case SystemColour::ButtonText: return palette.color(QPalette::ButtonText);
    case SystemColour::ButtonShadow: return palette.color(QPalette::Dark);
    case SystemColour::ButtonHighlight: return palette.color(QPalette::Light);
    case SystemColour::ButtonDarkShadow: return palette.color(QPalette::Shadow);
    // The background of a window's content area (white in common schemes),
    // which Qt calls Base; Qt's Window role is the dialog grey.
    case SystemColour::WindowBackground: return palette.color(QPalette::Base);
    case SystemColour::WindowText: return palette.color(QPalette::WindowText);
    // Qt has no role for window-manager decorations: these two keep the
    // classic desktop values, a light grey border and a mid-grey caption.
    case SystemColour::ActiveBorder: return QColor(212, 208, 200);
    case SystemColour::InactiveTitleBar: return QColor(128, 128, 128);
    }
    return {};
}

} // namespace toolkit
