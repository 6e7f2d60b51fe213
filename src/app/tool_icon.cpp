#include "app/tool_icon.h"

#include <QImageReader>
#include <QPixmap>

QIcon toolIcon()
{
    // Told the format, Qt reads the picture itself. Left to find it out, it
    // would first load every image format plugin installed to ask each one,
    // and that is a good part of the tool's start-up.
    QImageReader reader(QStringLiteral(":/loxane-48.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}
