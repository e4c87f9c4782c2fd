#include "store/TextUtils.h"

#include "platform/Paths.h"

#include <array>
#include <limits>

QString QuitarBlancos(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString QuitarBlancosDerecha(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

QString CompactarBlancos(const QString& text)
{
    const QString trimmed = QuitarBlancos(text);
    QString result;
    result.reserve(trimmed.size());
    bool afterSpace = false;
    for (const QChar c : trimmed) {
        if (c == u' ' && afterSpace)
            continue;
        afterSpace = c == u' ';
        result += c;
    }
    return result;
}

QString ExtraerToken(const QString& text, const QString& separator, int first, int count)
{
    QString result;
    if (separator.isEmpty())
        return result;
    QString rest = (separator == QStringLiteral(" ") ? CompactarBlancos(text) : QuitarBlancosDerecha(text))
        + separator;
    int skipped = 0;
    while (skipped < first - 1 && rest.contains(separator)) {
        rest = rest.mid(rest.indexOf(separator) + separator.size());
        ++skipped;
    }
    if (skipped != first - 1)
        return result;
    int taken = 0;
    while (taken < count && rest.contains(separator)) {
        const qsizetype at = rest.indexOf(separator);
        if (!result.isEmpty())
            result += separator;
        result += rest.left(at);
        rest = rest.mid(at + separator.size());
        ++taken;
    }
    return result;
}

QString Reemplazar(const QString& text, const QString& searched, const QString& replacement)
{
    if (searched.isEmpty())
        return text;
    QString result;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(searched); at >= 0; at = text.indexOf(searched, from)) {
        result += QStringView(text).mid(from, at - from);
        result += replacement;
        from = at + searched.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

int TextoANumero(const QString& text)
{
    const QString digits = QuitarBlancos(QString(text).remove(u'.'));
    qsizetype at = 0;
    bool negative = false;
    if (at < digits.size() && (digits.at(at) == u'+' || digits.at(at) == u'-')) {
        negative = digits.at(at) == u'-';
        ++at;
    }
    if (at == digits.size())
        return 0;
    qint64 value = 0;
    for (; at < digits.size(); ++at) {
        const QChar c = digits.at(at);
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return 0;
    return int(value);
}

QString RellenarCeros(int value, int width)
{
    if (width <= 0)
        return {};
    return QString::number(value).rightJustified(width, u' ').left(width).replace(u' ', u'0');
}

QString RepetirTexto(const QString& text, int count)
{
    return count > 0 ? text.repeated(count) : QString();
}

QString MayusculasEsp(const QString& text)
{
    static constexpr std::array<std::pair<char16_t, char16_t>, 12> spanish {{
        {u'á', u'Á'},
        {u'é', u'É'},
        {u'í', u'Í'},
        {u'ó', u'Ó'},
        {u'ú', u'Ú'},
        {u'à', u'À'},
        {u'è', u'È'},
        {u'ì', u'Ì'},
        {u'ò', u'Ò'},
        {u'ù', u'Ù'},
        {u'ñ', u'Ñ'},
        {u'ç', u'Ç'},
    }};
    QString result = text;
    for (QChar& c : result) {
        const char16_t code = c.unicode();
        if (code >= u'a' && code <= u'z') {
            c = QChar(char16_t(code - u'a' + u'A'));
            continue;
        }
        for (const auto& [lower, upper] : spanish) {
            if (code == lower) {
                c = QChar(upper);
                break;
            }
        }
    }
    return result;
}

QString CarpetaDe(const QString& path, bool upper)
{
    const qsizetype at = Paths::lastSeparator(path);
    if (at < 0)
        return {};
    const QString folder = path.left(at);
    return upper ? MayusculasEsp(folder) : folder;
}

QString NombreFichero(const QString& path)
{
    const qsizetype cut = std::max(Paths::lastSeparator(path), path.lastIndexOf(u':'));
    const QString name = path.mid(cut + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return QuitarBarrasPath(path);
    return name.left(name.indexOf(name.mid(dot)));
}

QString QuitarBarrasPath(const QString& path)
{
    if (path.isEmpty())
        return path;
    const qsizetype at = Paths::lastSeparator(path, path.size() - 1);
    if (at < 0)
        return path;
    QString last = path.mid(at + 1, 1000);
    qsizetype spaces = 0;
    while (spaces < last.size() && last.at(spaces) == u' ')
        ++spaces;
    return u'(' + last.mid(spaces) + u')';
}

QString DecodeWindows1252(QByteArrayView bytes)
{
    // 0x80 to 0x9F differ from Latin-1; the five unassigned codes keep their value.
    static constexpr std::array<char16_t, 32> high {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
        0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019,
        0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E,
        0x0178};
    QString result(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        result[i] = QChar(byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte));
    }
    return result;
}
