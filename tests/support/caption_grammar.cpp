#include "support/caption_grammar.h"

namespace {

// Digits without leading zeros.
const QString Whole = QStringLiteral("(0|[1-9][0-9]*)");

// A number with exactly one decimal: three captures, sign, units, tenth. An
// unsigned number keeps an empty sign capture, so the captures line up.
QString tenths(const QString& separator, bool maybeNegative)
{
    return QStringLiteral("(%1)%2%3([0-9])")
        .arg(maybeNegative ? QStringLiteral("-?") : QString(), Whole, QRegularExpression::escape(separator));
}

QRegularExpression exactly(const QString& pattern) { return QRegularExpression(QStringLiteral("^%1$").arg(pattern)); }

using Match = QRegularExpressionMatch;

// The numbers of a caption that follows the grammar.
template <class Numbers>
auto read(const QRegularExpression& grammar, const QString& caption, Numbers numbers)
    -> std::optional<decltype(numbers(Match()))>
{
    const Match match = grammar.match(caption);
    if (!match.hasMatch())
        return std::nullopt;
    return numbers(match);
}

int whole(const Match& match, int group) { return match.captured(group).trimmed().toInt(); }

// The captures sign, integer part and tenth, from the first given.
double decimal(const Match& match, int first)
{
    const double magnitude = match.captured(first + 1).toInt() + match.captured(first + 2).toInt() / 10.0;
    return match.captured(first).isEmpty() ? magnitude : -magnitude;
}

} // namespace

CaptionGrammar::CaptionGrammar(const QString& decimalSeparator)
{
    const QString speed = tenths(decimalSeparator, false);
    const QString readout = QStringLiteral("%1n  %2°").arg(speed, Whole);
    // A signed text: one space before zero or a positive number.
    const QString signedWhole = QStringLiteral("( %1|-[1-9][0-9]*)").arg(Whole);
    vector_ = exactly(readout);
    wind_ = exactly(QStringLiteral("Vent%1/%1°").arg(signedWhole));
    vmg_ = exactly(QStringLiteral("Vmg %1°%2n").arg(Whole, tenths(decimalSeparator, true)));
    hour_ = exactly(QStringLiteral("%1: %2").arg(signedWhole, readout));
    summary_ = exactly(QStringLiteral("%1: %2n %3°").arg(signedWhole, speed, Whole));
    meanCourse_ = exactly(QStringLiteral("COG moyen:  %1n  %2 °").arg(speed, Whole));
}

std::optional<VectorReadout> CaptionGrammar::vector(const QString& caption) const
{
    return read(vector_, caption, [](const Match& m) { return VectorReadout{decimal(m, 1), whole(m, 4)}; });
}

std::optional<WindReadout> CaptionGrammar::wind(const QString& caption) const
{
    return read(wind_, caption, [](const Match& m) { return WindReadout{whole(m, 1), whole(m, 3)}; });
}

std::optional<VmgReadout> CaptionGrammar::vmg(const QString& caption) const
{
    return read(vmg_, caption, [](const Match& m) { return VmgReadout{whole(m, 1), decimal(m, 2)}; });
}

std::optional<HourReadout> CaptionGrammar::hour(const QString& caption) const
{
    return read(hour_, caption,
                [](const Match& m) { return HourReadout{whole(m, 1), VectorReadout{decimal(m, 3), whole(m, 6)}}; });
}

std::optional<SummaryReadout> CaptionGrammar::summary(const QString& caption) const
{
    return read(summary_, caption, [](const Match& m) { return SummaryReadout{whole(m, 1), decimal(m, 3), whole(m, 6)}; });
}

std::optional<VectorReadout> CaptionGrammar::meanCourse(const QString& caption) const
{
    return read(meanCourse_, caption, [](const Match& m) { return VectorReadout{decimal(m, 1), whole(m, 4)}; });
}
