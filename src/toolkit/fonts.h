#pragma once

#include <QFont>
#include <QString>

namespace toolkit {

// A font as the layout names it: family, size in points, bold or not.
// Sizes are turned into pixels at 96 per inch (10.5 pt = 14 px), the density
// the twips layout was drawn for, so captions fit their boxes on any screen.
QFont layoutFont(const QString& family, double points, bool bold = false);

} // namespace toolkit
