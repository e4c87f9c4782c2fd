#pragma once

#include <QString>

// A QString from a UTF-16 literal: test texts with Spanish letters read as written.
inline QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}
