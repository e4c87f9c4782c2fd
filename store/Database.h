#pragma once

#include "platform/AppError.h"
#include "store/Statement.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

// Appends the text raised as the engine's Upper raises it: every letter, not only a to z;
// ASCII text takes the short way.
void appendUpper(std::string& out, std::string_view utf8);

// Forward-only rows of a query. Columns are found by name without regard to letter case.
class Cursor
{
public:
    Cursor(sqlite3* connection, const QString& sql, const QVariantList& values);
    ~Cursor();
    Cursor(Cursor&& other) noexcept;
    Cursor& operator=(Cursor&&) = delete;
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    // Moves to the next row; false at the end.
    bool next();

    int columnCount() const;
    // Throws AppError when the query has no such column.
    int column(QStringView name) const;

    // An empty column reads as the empty text, 0, false or an invalid date.
    QString text(int column) const;
    qint64 integer(int column) const;
    bool boolean(int column) const;
    QByteArray blob(int column) const;
    // The column's text as the engine holds it, UTF-8, valid until the next row.
    std::string_view utf8(int column) const;
    QDateTime dateTime(int column) const;
    bool isNull(int column) const;

    QString text(QStringView name) const { return text(column(name)); }
    qint64 integer(QStringView name) const { return integer(column(name)); }
    bool boolean(QStringView name) const { return boolean(column(name)); }
    QByteArray blob(QStringView name) const { return blob(column(name)); }
    QDateTime dateTime(QStringView name) const { return dateTime(column(name)); }

private:
    sqlite3* m_connection;
    sqlite3_stmt* m_statement = nullptr;
};

// The connection to Trevalia.abs. It connects on first use, creating a new file with its
// tables and first rows, and refuses a file that is not the program's database, is
// read-only or lacks a table; such a file is never written. Several running copies of
// the program may share the file: writers wait for each other instead of failing.
class Database
{
public:
    // Fills a newly created file with its first rows, inside the creating transaction.
    using Seeder = std::function<void(Database&)>;

    Database(QString fileName, Seeder seeder);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& fileName() const { return m_fileName; }
    bool isOpen() const { return m_connection != nullptr; }
    // Why the catalogue could only be opened for reading; empty when it can be written.
    const QString& readOnlyReason() const { return m_readOnlyReason; }
    void open();
    void close();

    // Statement text with "?" placeholders and its values; returns the rows changed.
    int execute(const QString& sql, const QVariantList& values = {});
    int execute(const Statement& statement);
    Cursor query(const QString& sql, const QVariantList& values = {});
    Cursor query(const Statement& statement);
    qint64 lastInsertId() const;

    // Runs work as one transaction that takes the write lock at once.
    void transaction(const std::function<void()>& work);

    // Differs whenever the file has changed, through this connection or any other, its
    // rows or its tables.
    struct ChangeStamp
    {
        qint64 others = -1;
        qint64 own = -1;
        qint64 schema = -1;
        bool operator==(const ChangeStamp&) const = default;
    };
    ChangeStamp changeStamp();

    // Compacts the file itself and folds the write-ahead log into it.
    void compact();
    // The bytes the catalogue takes on disk: the file and its write-ahead log.
    qint64 sizeOnDisk() const;

private:
    sqlite3* connection();
    void openForWriting();
    void openForReading(const QString& reason);
    void connect(int flags);
    void useWriteAheadLog();
    [[noreturn]] void refuse(const AppError& error);
    bool hasTables();
    void createSchemaIfEmpty();
    void checkSchema();

    QString m_fileName;
    Seeder m_seeder;
    sqlite3* m_connection = nullptr;
    QString m_readOnlyReason;
    std::optional<QString> m_refusal;
};
