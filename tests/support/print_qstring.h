#pragma once

#include <QString>

#include <ostream>

// Failed comparisons show texts as text, not as UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
