#include "numbers/number_services.h"

#include "numbers/decimal_digits.h"
#include "numbers/runtime_error.h"

#include <QLocale>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace numbers {
namespace {

constexpr double int16Min = -32768.0;
constexpr double int16Max = 32767.0;

void rejectNonFinite(double value)
{
    if (std::isnan(value))
        throw RuntimeError(ErrorKind::InvalidOperation, "invalid operation: not a number");
    if (std::isinf(value))
        throw RuntimeError(ErrorKind::Overflow, "overflow: infinite value");
}

[[noreturn]] void raiseTypeMismatch()
{
    throw RuntimeError(ErrorKind::TypeMismatch, "type mismatch: not a number");
}

// The parts of a display pattern: literal spaces around "#0.0"-like digits.
struct Pattern {
    int leadingSpaces = 0;
    int minIntegerDigits = 0;
    int decimals = 0;
    int trailingSpaces = 0;
};

Pattern parsePattern(std::string_view text)
{
    Pattern pattern;
    const auto firstDigit = text.find_first_not_of(' ');
    const auto lastDigit = text.find_last_not_of(' ');
    if (firstDigit == std::string_view::npos)
        throw std::invalid_argument("number pattern without digits");
    pattern.leadingSpaces = static_cast<int>(firstDigit);
    pattern.trailingSpaces = static_cast<int>(text.size() - 1 - lastDigit);

    bool afterPoint = false;
    for (char c : text.substr(firstDigit, lastDigit - firstDigit + 1)) {
        if (c == '.' && !afterPoint)
            afterPoint = true;
        else if (c == '0')
            ++(afterPoint ? pattern.decimals : pattern.minIntegerDigits);
        else if (c != '#' || afterPoint)
            throw std::invalid_argument("unsupported number pattern");
    }
    return pattern;
}

} // namespace

std::int16_t toInt16(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow, "overflow: not a finite number");
    // Explicit half-to-even, so a changed floating-point rounding mode cannot
    // move the readouts.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < int16Min || whole > int16Max)
        throw RuntimeError(ErrorKind::Overflow, "overflow: outside the 16-bit range");
    return static_cast<std::int16_t>(whole);
}

std::int16_t checkedInt16(long value)
{
    if (value < int16Min || value > int16Max)
        throw RuntimeError(ErrorKind::Overflow, "overflow: outside the 16-bit range");
    return static_cast<std::int16_t>(value);
}

float toSingle(double value)
{
    rejectNonFinite(value);
    if (std::fabs(value) > FLT_MAX)
        throw RuntimeError(ErrorKind::Overflow, "overflow: outside the single-precision range");
    return static_cast<float>(value);
}

double divide(double numerator, double denominator)
{
    if (denominator == 0.0) {
        if (numerator == 0.0)
            throw RuntimeError(ErrorKind::Overflow, "overflow: zero divided by zero");
        throw RuntimeError(ErrorKind::DivisionByZero, "division by zero");
    }
    const double quotient = numerator / denominator;
    if (!std::isfinite(quotient))
        throw RuntimeError(ErrorKind::Overflow, "overflow: quotient out of range");
    return quotient;
}

NumberLocale NumberLocale::current()
{
    return NumberLocale {QLocale().decimalPoint()};
}

void appendSignedText(QString& text, int value)
{
    std::array<char, 16> digits {};
    char* start = digits.data() + 1;
    const auto written = std::to_chars(start, digits.data() + digits.size(), value);
    if (value >= 0)
        *--start = ' ';
    text.append(QLatin1StringView(start, written.ptr - start));
}

QString format(double value, std::string_view pattern, const NumberLocale& locale)
{
    QString text;
    appendFormatted(text, value, pattern, locale);
    return text;
}

void appendFormatted(QString& text, double value, std::string_view pattern, const NumberLocale& locale)
{
    const Pattern parts = parsePattern(pattern);
    rejectNonFinite(value);
    const DecimalDigits digits(value, parts.decimals);

    const int topPower = std::max(digits.isZero() ? -1 : digits.exponent(), parts.minIntegerDigits - 1);
    const bool hasPoint = parts.decimals > 0;
    text.reserve(text.size() + parts.leadingSpaces + 1 + std::max(topPower + 1, 0) + parts.decimals
                 + (hasPoint ? locale.decimalSeparator.size() : 0) + parts.trailingSpaces);

    text.resize(text.size() + parts.leadingSpaces, QLatin1Char(' '));
    if (digits.isNegative())
        text.append(QLatin1Char('-'));
    for (int power = topPower; power >= 0; --power)
        text.append(QLatin1Char(digits.digitAt(power)));
    if (hasPoint)
        text.append(locale.decimalSeparator);
    for (int power = -1; power >= -parts.decimals; --power)
        text.append(QLatin1Char(digits.digitAt(power)));
    text.resize(text.size() + parts.trailingSpaces, QLatin1Char(' '));
}

double parseNumber(const QString& text, const NumberLocale& locale)
{
    QStringView rest(text);
    while (rest.startsWith(QLatin1Char(' ')))
        rest = rest.sliced(1);
    while (rest.endsWith(QLatin1Char(' ')))
        rest.chop(1);
    // The text rewritten in ASCII with a point, as from_chars wants; it is
    // never longer than the text itself.
    constexpr qsizetype stackSize = 64;
    std::array<char, stackSize> stackBuffer {};
    std::unique_ptr<char[]> heapBuffer;
    char* ascii = stackBuffer.data();
    if (rest.size() > stackSize) {
        heapBuffer = std::make_unique<char[]>(rest.size());
        ascii = heapBuffer.get();
    }
    char* end = ascii;

    const auto takeDigits = [&] {
        qsizetype taken = 0;
        while (taken < rest.size() && rest[taken] >= QLatin1Char('0') && rest[taken] <= QLatin1Char('9'))
            *end++ = rest[taken++].toLatin1();
        rest = rest.sliced(taken);
        return taken;
    };

    if (rest.startsWith(QLatin1Char('-'))) {
        *end++ = '-';
        rest = rest.sliced(1);
    }
    qsizetype digitCount = takeDigits();
    const QStringView separator(locale.decimalSeparator);
    if (!separator.isEmpty() && rest.startsWith(separator)) {
        *end++ = '.';
        rest = rest.sliced(separator.size());
        const qsizetype decimals = takeDigits();
        if (decimals == 0)
            raiseTypeMismatch();
        digitCount += decimals;
    }
    if (digitCount == 0 || !rest.isEmpty())
        raiseTypeMismatch();

    double value = 0.0;
    const auto [parsedEnd, error] = std::from_chars(ascii, end, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        throw RuntimeError(ErrorKind::Overflow, "overflow: number out of range");
    if (error != std::errc() || parsedEnd != end)
        raiseTypeMismatch();
    return value;
}

} // namespace numbers
