#pragma once

#include <QString>

#include <ostream>

// A QString from a UTF-16 literal: test texts with Spanish letters read as written.
inline QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

// Failing assertions print texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
