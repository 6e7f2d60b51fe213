#include "numbers/number_services.h"
#include "numbers/runtime_error.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

using namespace numbers;

namespace {

const NumberLocale french {QStringLiteral(",")};
const NumberLocale english {QStringLiteral(".")};
// Arabic locales write U+066B; the digits must stay 0 to 9 all the same.
const NumberLocale arabic {QLocale(QLocale::Arabic, QLocale::Egypt).decimalPoint()};

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

template <typename Call>
std::optional<ErrorKind> errorRaisedBy(Call call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}

QString frenchTenths(double value)
{
    return format(value, "#0.0", french);
}

} // namespace

TEST(SignedText, SpaceBeforeZeroOrPositiveMinusBeforeNegative)
{
    const auto signedText = [](int value) { QString text(QStringLiteral("n")); appendSignedText(text, value); return text; };
    EXPECT_EQ(signedText(40), QStringLiteral("n 40"));
    EXPECT_EQ(signedText(0), QStringLiteral("n 0"));
    EXPECT_EQ(signedText(-3), QStringLiteral("n-3"));
    EXPECT_EQ(signedText(std::numeric_limits<int>::min()), QStringLiteral("n-2147483648"));
}

TEST(NumberFormat, DecimalHalvesRoundUpAsTheUserReadsThem)
{
    EXPECT_EQ(frenchTenths(0.25), QStringLiteral("0,3"));
    EXPECT_EQ(frenchTenths(0.15), QStringLiteral("0,2"));
    EXPECT_EQ(frenchTenths(0.35), QStringLiteral("0,4"));
    EXPECT_EQ(frenchTenths(2.45), QStringLiteral("2,5"));
    EXPECT_EQ(frenchTenths(static_cast<double>(0.15f)), QStringLiteral("0,2"));
    EXPECT_EQ(frenchTenths(-2.45), QStringLiteral("-2,5"));
    EXPECT_EQ(format(2.5, "#0", french), QStringLiteral("3"));
    EXPECT_EQ(format(-0.5, "#0", french), QStringLiteral("-1"));
}

TEST(NumberFormat, CarriesAndTinyValues)
{
    EXPECT_EQ(frenchTenths(9.96), QStringLiteral("10,0"));
    EXPECT_EQ(frenchTenths(99.95), QStringLiteral("100,0"));
    EXPECT_EQ(frenchTenths(0.06), QStringLiteral("0,1"));
    EXPECT_EQ(frenchTenths(0.05), QStringLiteral("0,1"));
    EXPECT_EQ(frenchTenths(0.04), QStringLiteral("0,0"));
    EXPECT_EQ(frenchTenths(0.0049), QStringLiteral("0,0"));
    EXPECT_EQ(frenchTenths(5e-324), QStringLiteral("0,0"));
}

TEST(NumberFormat, ValueRoundingToZeroHasNoMinus)
{
    EXPECT_EQ(frenchTenths(-0.04), QStringLiteral("0,0"));
    EXPECT_EQ(frenchTenths(-0.0), QStringLiteral("0,0"));
    EXPECT_EQ(format(-0.4, "#0", french), QStringLiteral("0"));
}

TEST(NumberFormat, PatternsSetSpacesAndDigits)
{
    EXPECT_EQ(format(3.14, " #0.0", french), QStringLiteral(" 3,1"));
    EXPECT_EQ(format(-3.14, " #0.0", french), QStringLiteral(" -3,1"));
    EXPECT_EQ(format(7.5, "#0 ", french), QStringLiteral("8 "));
    EXPECT_EQ(format(359.6, "##0", french), QStringLiteral("360"));
    EXPECT_EQ(format(0.0, "#0", french), QStringLiteral("0"));
    EXPECT_EQ(format(12345.678, "#0.0", english), QStringLiteral("12345.7"));
    // Only fifteen digits count; the rest of a large number is zeros.
    EXPECT_EQ(format(123456789012345678e3, "#0", french), QStringLiteral("123456789012346000000"));
}

TEST(NumberFormat, OtherSeparatorsKeepLatinDigits)
{
    EXPECT_EQ(arabic.decimalSeparator, QStringLiteral("\u066B"));
    EXPECT_EQ(format(-2.45, "#0.0", arabic), QStringLiteral("-2\u066B5"));
    EXPECT_EQ(format(1.25, "#0.0", NumberLocale {QStringLiteral("::")}), QStringLiteral("1::3"));
}

TEST(NumberFormat, RejectsWhatCannotBeWritten)
{
    EXPECT_EQ(errorRaisedBy([] { frenchTenths(notANumber); }), ErrorKind::InvalidOperation);
    EXPECT_EQ(errorRaisedBy([] { frenchTenths(-infinity); }), ErrorKind::Overflow);
    EXPECT_THROW(format(1.0, "#,##0", french), std::invalid_argument);
    EXPECT_THROW(format(1.0, "0.0#", french), std::invalid_argument);
    EXPECT_THROW(format(1.0, "  ", french), std::invalid_argument);
}

TEST(NumberLocale, CurrentFollowsTheDefaultLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString frenchSeparator = NumberLocale::current().decimalSeparator;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString arabicSeparator = NumberLocale::current().decimalSeparator;
    QLocale::setDefault(saved);
    EXPECT_EQ(frenchSeparator, QStringLiteral(","));
    EXPECT_EQ(arabicSeparator, QStringLiteral("\u066B"));
}

TEST(ParseNumber, ReadsBackFormattedText)
{
    for (const auto& locale : {french, english, arabic, NumberLocale {QStringLiteral("::")}}) {
        for (double value : {0.0, 3.14, -2.45, 9.96, 12345.678, -0.04}) {
            for (const char* pattern : {"#0.0", " #0.0", "#0 ", "##0"}) {
                const QString written = format(value, pattern, locale);
                EXPECT_EQ(format(parseNumber(written, locale), pattern, locale), written)
                    << qPrintable(written);
            }
        }
    }
    EXPECT_EQ(parseNumber(QStringLiteral(" -2,5 "), french), -2.5);
    EXPECT_EQ(parseNumber(QStringLiteral(",5"), french), 0.5);
    EXPECT_EQ(parseNumber(QStringLiteral("1") + QString(199, QLatin1Char('0')), french), 1e199);
}

TEST(ParseNumber, RejectsAnythingElse)
{
    for (const char16_t* text : {u"", u" ", u"-", u",", u"1,", u"1.5", u"1,5,0", u"--1", u"+1", u"1 5",
                                 u"1e3", u"abc", u"infinity", u"notANumber", u"0x10", u"\u0661", u"\t1", u"1\u066B5"}) {
        EXPECT_EQ(errorRaisedBy([&] { parseNumber(QString::fromUtf16(text), french); }),
                  ErrorKind::TypeMismatch)
            << qPrintable(QString::fromUtf16(text));
    }
    EXPECT_EQ(errorRaisedBy([] { parseNumber(QString(400, QLatin1Char('9')), french); }), ErrorKind::Overflow);
}

TEST(Int16, ToInt16RoundsHalfToEven)
{
    EXPECT_EQ(toInt16(44.5), 44);
    EXPECT_EQ(toInt16(45.5), 46);
    EXPECT_EQ(toInt16(-0.5), 0);
    EXPECT_EQ(toInt16(-1.5), -2);
    EXPECT_EQ(toInt16(2.4999), 2);
    EXPECT_EQ(toInt16(-2.6), -3);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_EQ(toInt16(32767.4), 32767);
}

TEST(Int16, OverflowsOutsideTheRange)
{
    for (double value : {32767.5, -32768.6, 1e300, notANumber, infinity, -infinity})
        EXPECT_EQ(errorRaisedBy([=] { toInt16(value); }), ErrorKind::Overflow) << value;
    EXPECT_EQ(checkedInt16(32767), 32767);
    EXPECT_EQ(checkedInt16(-32768), -32768);
    EXPECT_EQ(errorRaisedBy([] { checkedInt16(32768); }), ErrorKind::Overflow);
    EXPECT_EQ(errorRaisedBy([] { checkedInt16(-32769); }), ErrorKind::Overflow);
}

TEST(ToSingle, KeepsFloatRangeOnly)
{
    EXPECT_EQ(toSingle(1.5), 1.5f);
    EXPECT_EQ(toSingle(-double(FLT_MAX)), -FLT_MAX);
    EXPECT_EQ(toSingle(1e-60), 0.0f);
    EXPECT_EQ(errorRaisedBy([] { toSingle(1e39); }), ErrorKind::Overflow);
    EXPECT_EQ(errorRaisedBy([] { toSingle(-infinity); }), ErrorKind::Overflow);
    EXPECT_EQ(errorRaisedBy([] { toSingle(notANumber); }), ErrorKind::InvalidOperation);
}

TEST(Divide, RaisesForZeroDivisorsAndInfiniteQuotients)
{
    EXPECT_EQ(divide(6.0, -3.0), -2.0);
    EXPECT_EQ(divide(0.0, 5.0), 0.0);
    EXPECT_EQ(errorRaisedBy([] { divide(-1.0, 0.0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(errorRaisedBy([] { divide(0.0, -0.0); }), ErrorKind::Overflow);
    EXPECT_EQ(errorRaisedBy([] { divide(1e308, 1e-10); }), ErrorKind::Overflow);
    EXPECT_EQ(errorRaisedBy([] { divide(notANumber, 1.0); }), ErrorKind::Overflow);
}
