#pragma once

#include <QObject>

class QLocalServer;

// One running copy per catalogue: a later start hands over to the running copy, which
// brings its window forward, instead of opening a second window on the same file.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The name is made from the catalogue's path, so other catalogues open side by side.
    explicit SingleInstance(const QString& databaseFile, QObject* parent = nullptr);

    // True when a running copy was reached and asked to come forward.
    bool handOver() const;
    // Takes the requests of later copies; activated() tells of each.
    void listen();

Q_SIGNALS:
    void activated();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};
