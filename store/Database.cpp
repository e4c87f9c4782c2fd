#include "store/Database.h"

#include "platform/AppError.h"
#include "store/Schema.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace {

constexpr int BusyTimeoutMs = 10000;

QString engineMessage(sqlite3* connection)
{
    return QString::fromUtf8(sqlite3_errmsg(connection));
}

[[noreturn]] void fail(sqlite3* connection, const QString& context = {})
{
    const QString message = engineMessage(connection);
    throw AppError(context.isEmpty() ? QStringLiteral("Error de la base de datos: %1").arg(message)
                                     : context + QStringLiteral(" (%1)").arg(message));
}

// Upper-cases every letter, not only a to z; ASCII text takes the short way.
void upperFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* bytes = sqlite3_value_text(arguments[0]);
    const int length = sqlite3_value_bytes(arguments[0]);
    thread_local std::string buffer;
    buffer.resize(size_t(length));
    char* out = buffer.data();
    unsigned char high = 0;
    for (int i = 0; i < length; ++i) {
        const unsigned char c = bytes[i];
        high |= c;
        out[i] = char(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
    }
    if (high & 0x80) {
        const QByteArray upper
            = QString::fromUtf8(reinterpret_cast<const char*>(bytes), length).toUpper().toUtf8();
        sqlite3_result_text(context, upper.constData(), int(upper.size()), SQLITE_TRANSIENT);
        return;
    }
    sqlite3_result_text(context, out, length, SQLITE_TRANSIENT);
}

// A compiled LIKE pattern: a literal between "%"s is found with a plain substring search.
struct LikePattern
{
    std::string pattern;
    std::string literal;
    bool plainSubstring = false;

    explicit LikePattern(std::string_view text)
        : pattern(text)
    {
        if (text.size() >= 2 && text.front() == '%' && text.back() == '%') {
            const std::string_view inner = text.substr(1, text.size() - 2);
            if (inner.find_first_of("%_") == std::string_view::npos) {
                literal = inner;
                plainSubstring = true;
            }
        }
    }

    bool matches(std::string_view text) const
    {
        if (plainSubstring)
            return text.find(literal) != std::string_view::npos;
        return wildcardMatch(pattern, text);
    }

    // "%" matches any run of characters and "_" one character (a whole UTF-8 sequence).
    static bool wildcardMatch(std::string_view pattern, std::string_view text)
    {
        size_t p = 0;
        size_t t = 0;
        size_t starPattern = std::string_view::npos;
        size_t starText = 0;
        auto nextCharacter = [&text](size_t at) {
            ++at;
            while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
                ++at;
            return at;
        };
        while (t < text.size()) {
            if (p < pattern.size() && pattern[p] == '%') {
                starPattern = ++p;
                starText = t;
            } else if (p < pattern.size() && pattern[p] == '_') {
                ++p;
                t = nextCharacter(t);
            } else if (p < pattern.size() && pattern[p] == text[t]) {
                ++p;
                ++t;
            } else if (starPattern != std::string_view::npos) {
                p = starPattern;
                t = starText = nextCharacter(starText);
            } else {
                return false;
            }
        }
        while (p < pattern.size() && pattern[p] == '%')
            ++p;
        return p == pattern.size();
    }
};

std::string_view textOf(sqlite3_value* value)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return bytes ? std::string_view(bytes, size_t(sqlite3_value_bytes(value))) : std::string_view();
}

// LIKE compares letter case: the program stores titles in capitals and searches with
// capitals, and the exact comparison lets a literal search run as a substring search.
void likeFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(context, 0));
    if (!pattern) {
        pattern = new LikePattern(textOf(arguments[0]));
        sqlite3_set_auxdata(context, 0, pattern, [](void* data) { delete static_cast<LikePattern*>(data); });
        pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(context, 0));
        if (!pattern) {
            sqlite3_result_error_nomem(context);
            return;
        }
    }
    sqlite3_result_int(context, pattern->matches(textOf(arguments[1])) ? 1 : 0);
}

void bind(sqlite3* connection, sqlite3_stmt* statement, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values.at(i);
        int result = SQLITE_OK;
        switch (value.typeId()) {
        case QMetaType::UnknownType:
            result = sqlite3_bind_null(statement, i + 1);
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            result = sqlite3_bind_blob64(
                statement, i + 1, bytes.constData(), quint64(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
            result = sqlite3_bind_int64(statement, i + 1, value.toLongLong());
            break;
        case QMetaType::QDateTime:
            result = sqlite3_bind_text16(
                statement, i + 1, StoredDateTime::toText(value.toDateTime()).utf16(), -1, SQLITE_TRANSIENT);
            break;
        default: {
            const QString text = value.toString();
            result = sqlite3_bind_text16(
                statement, i + 1, text.utf16(), int(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
        }
        }
        if (result != SQLITE_OK)
            fail(connection);
    }
}

} // namespace

Cursor::Cursor(sqlite3* connection, const QString& sql, const QVariantList& values)
    : m_connection(connection)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(connection, utf8.constData(), int(utf8.size()), &m_statement, nullptr)
        != SQLITE_OK) {
        fail(connection);
    }
    try {
        bind(connection, m_statement, values);
    } catch (...) {
        sqlite3_finalize(m_statement);
        throw;
    }
}

Cursor::~Cursor()
{
    sqlite3_finalize(m_statement);
}

Cursor::Cursor(Cursor&& other) noexcept
    : m_connection(other.m_connection)
    , m_statement(std::exchange(other.m_statement, nullptr))
{ }

bool Cursor::next()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    fail(m_connection);
}

int Cursor::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

int Cursor::column(QStringView name) const
{
    for (int i = 0, count = columnCount(); i < count; ++i) {
        if (name.compare(QString::fromUtf8(sqlite3_column_name(m_statement, i)), Qt::CaseInsensitive) == 0)
            return i;
    }
    throw AppError(QStringLiteral("No se encuentra el campo «%1» en la base de datos").arg(name));
}

QString Cursor::text(int column) const
{
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(m_statement, column));
    if (!text)
        return {};
    return QString(reinterpret_cast<const QChar*>(text),
        sqlite3_column_bytes16(m_statement, column) / qsizetype(sizeof(char16_t)));
}

qint64 Cursor::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

bool Cursor::boolean(int column) const
{
    return integer(column) != 0;
}

QByteArray Cursor::blob(int column) const
{
    const void* data = sqlite3_column_blob(m_statement, column);
    return QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(m_statement, column));
}

QDateTime Cursor::dateTime(int column) const
{
    return StoredDateTime::fromText(text(column));
}

bool Cursor::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

Database::Database(QString fileName, Seeder seeder)
    : m_fileName(std::move(fileName))
    , m_seeder(std::move(seeder))
{ }

Database::~Database()
{
    close();
}

void Database::open()
{
    if (m_connection)
        return;
    const QFileInfo file(m_fileName);
    const bool creating = !file.exists();
    if (!creating && !(file.permissions() & QFileDevice::WriteOwner)) {
        throw AppError(QStringLiteral("No se puede abrir la base de datos %1: el fichero es de sólo lectura.")
                           .arg(m_fileName));
    }
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX | (creating ? SQLITE_OPEN_CREATE : 0);
    sqlite3* connection = nullptr;
    const int opened = sqlite3_open_v2(m_fileName.toUtf8().constData(), &connection, flags, nullptr);
    m_connection = connection;
    try {
        if (opened != SQLITE_OK)
            fail(connection, QStringLiteral("No se puede abrir la base de datos %1").arg(m_fileName));
        sqlite3_busy_timeout(connection, BusyTimeoutMs);
        sqlite3_extended_result_codes(connection, 1);
        sqlite3_create_function_v2(connection, "upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
            upperFunction, nullptr, nullptr, nullptr);
        sqlite3_create_function_v2(connection, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
            likeFunction, nullptr, nullptr, nullptr);
        if (creating)
            createSchema();
        else
            checkSchema();
        execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        execute(QStringLiteral("PRAGMA synchronous=FULL"));
        // Searches scan the list indexes on every keystroke: keep them in memory.
        execute(QStringLiteral("PRAGMA cache_size=-65536"));
        execute(QStringLiteral("PRAGMA mmap_size=1073741824"));
        Schema::upgrade(*this);
    } catch (...) {
        close();
        throw;
    }
}

void Database::close()
{
    if (m_connection) {
        sqlite3_close_v2(m_connection);
        m_connection = nullptr;
    }
}

sqlite3* Database::connection()
{
    open();
    return m_connection;
}

int Database::execute(const QString& sql, const QVariantList& values)
{
    Cursor cursor(connection(), sql, values);
    while (cursor.next()) { }
    return sqlite3_changes(m_connection);
}

int Database::execute(const Statement& statement)
{
    return execute(statement.boundSql(), statement.values());
}

Cursor Database::query(const QString& sql, const QVariantList& values)
{
    return Cursor(connection(), sql, values);
}

Cursor Database::query(const Statement& statement)
{
    return query(statement.boundSql(), statement.values());
}

qint64 Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_connection);
}

void Database::transaction(const std::function<void()>& work)
{
    execute(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        work();
        execute(QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(m_connection, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void Database::writeCompactedCopy(const QString& fileName)
{
    QFile::remove(fileName);
    execute(QStringLiteral("VACUUM INTO ?"), {fileName});
}

void Database::createSchema()
{
    try {
        transaction([this] {
            Schema::create(*this);
            if (m_seeder)
                m_seeder(*this);
        });
    } catch (...) {
        close();
        QFile::remove(m_fileName);
        throw;
    }
}

void Database::checkSchema()
{
    QStringList tables;
    try {
        Cursor cursor = query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        while (cursor.next())
            tables << cursor.text(0).toLower();
    } catch (const AppError& error) {
        throw AppError(QStringLiteral("El fichero %1 no es una base de datos de Trevalia.\n%2")
                           .arg(m_fileName, error.message()));
    }
    for (const QString& table : Schema::tableNames()) {
        if (!tables.contains(table.toLower())) {
            throw AppError(
                QStringLiteral("La base de datos %1 no tiene la tabla «%2».").arg(m_fileName, table));
        }
    }
}
