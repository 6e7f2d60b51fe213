#include "diagram/spoken.h"

namespace spoken {

namespace {
bool digitAt(const QString& text, qsizetype index)
{
    return index >= 0 && index < text.size() && text.at(index).isDigit();
}
} // namespace

QString inWords(const QString& readout)
{
    QString words;
    words.reserve(readout.size() + 32);
    for (qsizetype i = 0; i < readout.size(); ++i) {
        const QChar c = readout.at(i);
        if (c == QChar(0x00B0)) {
            words.append(QStringLiteral(" degrés"));
            if (digitAt(readout, i + 1) || (i + 1 < readout.size() && readout.at(i + 1) == QLatin1Char('-')))
                words.append(QStringLiteral(", "));
        } else if (c == QLatin1Char('n') && digitAt(readout, i - 1)) {
            words.append(QStringLiteral(" nœuds"));
            if (i + 1 < readout.size())
                words.append(QLatin1Char(','));
        } else {
            words.append(c);
        }
    }
    return words.simplified();
}

QString windInWords(std::int16_t windDir, std::int16_t windAngleBoat)
{
    return QStringLiteral("%1 degrés, angle au bateau %2 degrés").arg(windDir).arg(windAngleBoat);
}

} // namespace spoken
