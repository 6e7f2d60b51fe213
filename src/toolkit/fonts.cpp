#include "toolkit/fonts.h"

#include <cmath>

namespace toolkit {

QFont layoutFont(const QString& family, double points, bool bold)
{
    // "MS Sans Serif" has no metric twin on Linux and the usual fallback is
    // too wide for the hour rows; Arial's metric twin fits them.
    QFont font(family == QLatin1String("MS Sans Serif") ? QStringLiteral("Arial") : family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

} // namespace toolkit
