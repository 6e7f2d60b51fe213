#pragma once

#include <QChar>
#include <QString>

// The French help text, kept as the pieces it is assembled from.
namespace help {

// The pieces joined in order, each followed by its line breaks.
QString assembleHelpText(QChar lineBreak);

} // namespace help
