#include "store/ColourText.h"

#include <array>

namespace {

struct NamedColour
{
    const char* name;
    quint32 value;
};

constexpr std::array<NamedColour, 52> Names {{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0xFF00000A},
    {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001},
    {"clBtnFace", 0xFF00000F},
    {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010},
    {"clBtnText", 0xFF000012},
    {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A},
    {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018},
    {"clInfoText", 0xFF000017},
    {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0xFF000000},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
}};

struct SystemColour
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Windows system colour index -> the nearest colour of Qt's palette.
constexpr std::array<SystemColour, 31> SystemColours {{
    {QPalette::Active, QPalette::Button}, // 0 scroll bar
    {QPalette::Active, QPalette::Dark}, // 1 desktop background
    {QPalette::Active, QPalette::Highlight}, // 2 active caption
    {QPalette::Inactive, QPalette::Highlight}, // 3 inactive caption
    {QPalette::Active, QPalette::Window}, // 4 menu
    {QPalette::Active, QPalette::Base}, // 5 window
    {QPalette::Active, QPalette::Shadow}, // 6 window frame
    {QPalette::Active, QPalette::WindowText}, // 7 menu text
    {QPalette::Active, QPalette::Text}, // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Window}, // 10 active border
    {QPalette::Inactive, QPalette::Window}, // 11 inactive border
    {QPalette::Active, QPalette::Mid}, // 12 application workspace
    {QPalette::Active, QPalette::Highlight}, // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    {QPalette::Active, QPalette::Button}, // 15 button face
    {QPalette::Active, QPalette::Dark}, // 16 button shadow
    {QPalette::Disabled, QPalette::Text}, // 17 grey text
    {QPalette::Active, QPalette::ButtonText}, // 18 button text
    {QPalette::Disabled, QPalette::WindowText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light}, // 20 button highlight
    {QPalette::Active, QPalette::Shadow}, // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight}, // 22 3D light
    {QPalette::Active, QPalette::ToolTipText}, // 23 info text
    {QPalette::Active, QPalette::ToolTipBase}, // 24 info background
    {QPalette::Active, QPalette::Window}, // 25 unused
    {QPalette::Active, QPalette::Link}, // 26 hot light
    {QPalette::Active, QPalette::Highlight}, // 27 gradient active caption
    {QPalette::Inactive, QPalette::Highlight}, // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight}, // 29 menu highlight
    {QPalette::Active, QPalette::Window}, // 30 menu bar
}};

} // namespace

namespace ColourText {

QString toText(quint32 value)
{
    for (const NamedColour& colour : Names) {
        if (colour.value == value)
            return QString::fromLatin1(colour.name);
    }
    return u'$' + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint32> fromText(const QString& text)
{
    for (const NamedColour& colour : Names) {
        if (text.compare(QLatin1StringView(colour.name), Qt::CaseInsensitive) == 0)
            return colour.value;
    }
    bool ok = false;
    if (text.startsWith(u'$')) {
        const QString digits = text.mid(1);
        const quint32 value = digits.size() <= 8 ? digits.toUInt(&ok, 16) : 0;
        return ok && !digits.startsWith(u'+') && !digits.startsWith(u'-') ? std::optional<quint32>(value)
                                                                          : std::nullopt;
    }
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text)
        return std::nullopt;
    return quint32(value);
}

QColor toQColor(quint32 value, const QPalette& palette)
{
    if (value == None)
        return QColor(Qt::transparent);
    if (value == Default)
        return QColor();
    if ((value & 0xFF000000) == 0xFF000000) {
        const quint32 index = value & 0xFF;
        if (index >= SystemColours.size())
            return QColor();
        const SystemColour& system = SystemColours[index];
        return palette.color(system.group, system.role);
    }
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

} // namespace ColourText
