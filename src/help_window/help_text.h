#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <span>

// The French help text, kept as the pieces it is assembled from.
namespace help {

struct HelpPiece {
    QStringView text;
    int lineBreaksAfter;
};

// The pieces in reading order, each with the line breaks that follow it.
std::span<const HelpPiece> helpPieces();

// The pieces joined in order, each followed by its line breaks.
QString assembleHelpText(QChar lineBreak);

} // namespace help
