#pragma once

#include <QColor>

namespace toolkit {

// Colours named by their role in the desktop's colour scheme.
enum class SystemColour {
    ButtonFace,
    ButtonText,
    ButtonShadow,
    ButtonHighlight,
    ButtonDarkShadow,
    WindowBackground,
    WindowText,
    ActiveBorder,
    InactiveTitleBar,
};

QColor systemColour(SystemColour role);

inline QColor rgb(int red, int green, int blue) { return QColor(red, green, blue); }

} // namespace toolkit
