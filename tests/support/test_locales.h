#pragma once

#include <QLocale>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// The users' locales the tool is tested in: a decimal comma, a decimal
// point, and one written as neither (the Arabic decimal separator U+066B).
struct TestLocale {
    const char* name;
    QLocale locale;
};

inline void PrintTo(const TestLocale& locale, std::ostream* out) { *out << locale.name; }

inline auto testLocales()
{
    return testing::Values(TestLocale{"French", QLocale(QLocale::French, QLocale::France)},
                           TestLocale{"EnglishUS", QLocale(QLocale::English, QLocale::UnitedStates)},
                           TestLocale{"German", QLocale(QLocale::German, QLocale::Germany)},
                           TestLocale{"Persian", QLocale(QLocale::Persian, QLocale::Iran)});
}

inline std::string testLocaleName(const testing::TestParamInfo<TestLocale>& info) { return info.param.name; }
