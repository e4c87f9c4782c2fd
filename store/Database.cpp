#include "store/Database.h"

#include "platform/AppError.h"
#include "platform/Paths.h"
#include "store/Schema.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace {

constexpr int BusyTimeoutMs = 10000;

QString engineMessage(sqlite3* connection)
{
    return QString::fromUtf8(sqlite3_errmsg(connection));
}

// An error of the engine, with its result code so that opening can tell what went wrong.
class EngineError : public AppError
{
public:
    EngineError(QString message, int code)
        : AppError(std::move(message))
        , m_code(code)
    { }

    int primaryCode() const { return m_code & 0xFF; }

private:
    int m_code;
};

// What the user is told when a write cannot be done, whatever the statement was.
QString writeFailure(int primaryCode)
{
    switch (primaryCode) {
    case SQLITE_READONLY:
        return QStringLiteral("El catálogo está abierto sólo para lectura: el cambio no se ha guardado.");
    case SQLITE_FULL:
        return QStringLiteral("El disco está lleno: el cambio no se ha guardado.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Otro programa tiene bloqueado el catálogo: el cambio no se ha guardado.");
    default:
        return {};
    }
}

[[noreturn]] void fail(sqlite3* connection, const QString& context = {})
{
    const int code = connection ? sqlite3_extended_errcode(connection) : SQLITE_CANTOPEN;
    const QString message = engineMessage(connection);
    if (context.isEmpty()) {
        const QString known = writeFailure(code & 0xFF);
        throw EngineError(
            known.isEmpty() ? QStringLiteral("Error de la base de datos: %1").arg(message) : known, code);
    }
    throw EngineError(context + QStringLiteral(" (%1)").arg(message), code);
}

// Why this copy could not open the catalogue for writing, in the user's words.
QString openFailure(const QString& fileName, int primaryCode)
{
    switch (primaryCode) {
    case SQLITE_FULL:
        return QStringLiteral("El disco donde está %1 está lleno.").arg(fileName);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Otro programa tiene bloqueado %1.").arg(fileName);
    case SQLITE_IOERR:
        return QStringLiteral("No se puede leer o escribir %1: error del disco.").arg(fileName);
    default:
        return QStringLiteral("No hay permiso para escribir en %1.").arg(fileName);
    }
}

QString foreignFile(const QString& fileName, const QString& reason)
{
    return QStringLiteral("El fichero %1 no es una base de datos de Trevalia.\n%2").arg(fileName, reason);
}

// A file the engine cannot read as a database, as opposed to one it cannot write.
bool isForeignFile(int primaryCode)
{
    return primaryCode == SQLITE_NOTADB || primaryCode == SQLITE_CORRUPT;
}

void upperFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    thread_local std::string buffer;
    appendUpper(buffer, std::string_view(bytes, size_t(sqlite3_value_bytes(arguments[0]))));
    sqlite3_result_text(context, buffer.data(), int(buffer.size()), SQLITE_TRANSIENT);
    buffer.clear();
}

// A compiled LIKE pattern. The program's patterns are "%", the text the user typed and "%":
// that text is found as a plain substring, so a "%" or "_" typed in it means itself.
struct LikePattern
{
    std::string pattern;
    std::string literal;
    bool plainSubstring = false;

    explicit LikePattern(std::string_view text)
        : pattern(text)
    {
        if (text.size() >= 2 && text.front() == '%' && text.back() == '%') {
            literal = text.substr(1, text.size() - 2);
            plainSubstring = true;
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

void appendUpper(std::string& out, std::string_view utf8)
{
    const size_t start = out.size();
    unsigned char high = 0;
    for (const char byte : utf8) {
        const auto c = static_cast<unsigned char>(byte);
        high |= c;
        out.push_back(char(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c));
    }
    if (high & 0x80) {
        out.resize(start);
        out.append(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toUpper().toStdString());
    }
}

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

std::string_view Cursor::utf8(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(m_statement, column)))
                : std::string_view();
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
    // A catalogue that was refused stays refused: the user has been told why once.
    if (m_refusal)
        throw AppError(*m_refusal, AppError::AlreadyShown);
    try {
        openForWriting();
    } catch (const EngineError& error) {
        close();
        if (isForeignFile(error.primaryCode()))
            refuse(AppError(foreignFile(m_fileName, error.message())));
        if (!QFileInfo::exists(m_fileName))
            refuse(error);
        openForReading(openFailure(m_fileName, error.primaryCode()));
    } catch (const AppError& error) {
        close();
        refuse(error);
    }
}

void Database::openForWriting()
{
    const QFileInfo file(m_fileName);
    if (file.isDir())
        throw AppError(QStringLiteral("%1 es una carpeta, no un catálogo de Trevalia.").arg(m_fileName));
    if (file.exists() && (!Paths::canWrite(m_fileName) || !Paths::canWrite(file.absolutePath())))
        throw EngineError(QString(), SQLITE_READONLY);
    connect(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    createSchemaIfEmpty();
    // Checked before anything is written: a file that is not the program's stays as it is.
    checkSchema();
    useWriteAheadLog();
    execute(QStringLiteral("PRAGMA synchronous=FULL"));
    Schema::upgrade(*this);
}

void Database::openForReading(const QString& reason)
{
    try {
        connect(SQLITE_OPEN_READONLY);
        checkSchema();
    } catch (const AppError& error) {
        close();
        refuse(AppError(reason + u'\n' + error.message()));
    }
    m_readOnlyReason = reason;
}

void Database::connect(int flags)
{
    sqlite3* connection = nullptr;
    const int opened = sqlite3_open_v2(
        m_fileName.toUtf8().constData(), &connection, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    m_connection = connection;
    if (opened != SQLITE_OK)
        fail(connection, QStringLiteral("No se puede abrir la base de datos %1").arg(m_fileName));
    sqlite3_busy_timeout(connection, BusyTimeoutMs);
    sqlite3_extended_result_codes(connection, 1);
    sqlite3_create_function_v2(connection, "upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
        upperFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(connection, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
        likeFunction, nullptr, nullptr, nullptr);
    execute(QStringLiteral("PRAGMA mmap_size=1073741824"));
}

// Switching to the write-ahead log needs the file to itself for a moment, and the engine
// does not wait for that as it waits for locks: a copy that is filling the file at the same
// time is waited for here.
void Database::useWriteAheadLog()
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        try {
            execute(QStringLiteral("PRAGMA journal_mode=WAL"));
            return;
        } catch (const EngineError& error) {
            const bool locked = error.primaryCode() == SQLITE_BUSY || error.primaryCode() == SQLITE_LOCKED;
            if (!locked || waited.elapsed() > BusyTimeoutMs)
                throw;
            QThread::msleep(10);
        }
    }
}

[[noreturn]] void Database::refuse(const AppError& error)
{
    m_refusal = error.message();
    throw AppError(error.message());
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

Database::ChangeStamp Database::changeStamp()
{
    // data_version tells of other connections' commits, total_changes of this one's rows,
    // schema_version of any change of the tables.
    ChangeStamp stamp;
    Cursor others = query(QStringLiteral("PRAGMA data_version"));
    stamp.others = others.next() ? others.integer(0) : 0;
    Cursor schema = query(QStringLiteral("PRAGMA schema_version"));
    stamp.schema = schema.next() ? schema.integer(0) : 0;
    stamp.own = sqlite3_total_changes64(m_connection);
    return stamp;
}

void Database::compact()
{
    execute(QStringLiteral("VACUUM"));
    execute(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

qint64 Database::sizeOnDisk() const
{
    return QFileInfo(m_fileName).size() + QFileInfo(m_fileName + QStringLiteral("-wal")).size();
}

bool Database::hasTables()
{
    Cursor cursor = query(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"));
    return cursor.next() && cursor.integer(0) > 0;
}

// Copies started together may all find no file: each takes the write lock and fills the
// file only when it still holds no table, so one copy makes it and the others use it. A
// copy never removes the file, which another may be writing into already.
void Database::createSchemaIfEmpty()
{
    if (hasTables())
        return;
    transaction([this] {
        if (hasTables())
            return;
        Schema::create(*this);
        if (m_seeder)
            m_seeder(*this);
    });
}

void Database::checkSchema()
{
    QStringList tables;
    try {
        Cursor cursor = query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        while (cursor.next())
            tables << cursor.text(0).toLower();
    } catch (const EngineError& error) {
        if (!isForeignFile(error.primaryCode()))
            throw;
        throw AppError(foreignFile(m_fileName, error.message()));
    }
    for (const Schema::Table& table : Schema::tables()) {
        if (!tables.contains(table.name))
            throw AppError(
                QStringLiteral("La base de datos %1 no tiene la tabla «%2».").arg(m_fileName, table.name));
        QStringList columns;
        Cursor cursor = query(QStringLiteral("SELECT lower(name) FROM pragma_table_info(?)"), {table.name});
        while (cursor.next())
            columns << cursor.text(0);
        for (const QString& column : table.columns) {
            if (!columns.contains(column.toLower()))
                throw AppError(
                    QStringLiteral("La tabla «%1» de la base de datos %2 no tiene la columna «%3».")
                        .arg(table.name, m_fileName, column));
        }
    }
}
