#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

// Number services of the tool: the conversions and the text patterns of the
// readouts. Plain arithmetic, no widget, so every rule is tested directly.
namespace numbers {

// Converts to a 16-bit integer, a half going to the even neighbour
// (44.5 -> 44, 45.5 -> 46, -0.5 -> 0). Raises Overflow outside -32768..32767
// and for a value that is not finite.
std::int16_t toInt16(double value);

// 16-bit integer arithmetic: the result of a sum or difference done in int,
// raising Overflow outside -32768..32767.
std::int16_t checkedInt16(long value);

// Stores a double in single precision, raising Overflow when a finite value
// does not fit and InvalidOperation for NaN. Infinity raises Overflow.
float toSingle(double value);

// Divides in double precision, raising DivisionByZero for x / 0 (x not 0),
// Overflow for 0 / 0, and Overflow when the quotient is not finite.
double divide(double numerator, double denominator);

// The decimal separator and nothing else of the user's locale: digits are
// always 0 to 9, and there is no grouping.
struct NumberLocale {
    QString decimalSeparator;

    // The separator of the default QLocale (the user's, unless a test or the
    // start-up set another one).
    static NumberLocale current();
};

// Appends " 40", " 0", "-3": one space before zero or a positive value.
// Nothing is allocated when the text has the room.
void appendSignedText(QString& text, int value);

// Formats with one of the patterns the tool uses ("#0.0", "#0", "##0",
// " #0.0", "#0 "): literal spaces before and after, at least as many
// integer digits as there are '0's before the point, exactly as many
// decimals as there are '0's after it. A decimal half rounds away from zero
// as the user reads the number (0.15 -> "0,2", -2.45 -> "-2,5"), judged on
// its first fifteen significant digits; a value that rounds to zero has no
// minus sign. Raises InvalidOperation for NaN and Overflow for an infinity;
// a pattern of any other shape is a programming error (std::invalid_argument).
QString format(double value, std::string_view pattern, const NumberLocale& locale);
// The same, appended to a text: nothing is allocated when it has the room.
void appendFormatted(QString& text, double value, std::string_view pattern, const NumberLocale& locale);

// Reads back a text written by format() in the same locale (an optional minus
// sign, digits 0 to 9, the locale's separator followed by digits; spaces
// around are allowed). Raises TypeMismatch for anything else, and Overflow
// when the number is beyond the range of a double.
double parseNumber(const QString& text, const NumberLocale& locale);

} // namespace numbers
