#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;

// Fetches one address into a file with a GET request, the caller waiting while the window
// keeps handling events. The body is written beside the file under a temporary name and
// moved into place only when the transfer is complete (status 200 or 206 and, when the
// server announced a length, exactly that many bytes): a failed or cut transfer leaves no
// file. Redirections are followed and the system's proxy is used.
class THttpDownload : public QObject
{
    Q_OBJECT

public:
    explicit THttpDownload(QObject* parent = nullptr);
    ~THttpDownload() override;

    QString URL;
    QString OutputFileName;
    QString Agent = QStringLiteral("Trevalia");
    // How long the transfer may go without receiving anything, in milliseconds.
    int TransferTimeout = 30000;

    // Runs the transfer and returns when it has ended: true. False at once, doing nothing,
    // when a transfer is still running.
    bool Read();

    bool busy() const { return m_busy; }
    // The status of the last transfer, -1 when none was received.
    int statusCode() const { return m_status; }

private:
    QNetworkAccessManager* m_network;
    bool m_busy = false;
    int m_status = -1;
};
