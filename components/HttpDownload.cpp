#include "components/HttpDownload.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QSaveFile>

THttpDownload::THttpDownload(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

THttpDownload::~THttpDownload() = default;

bool THttpDownload::Read()
{
    if (m_busy)
        return false;
    m_busy = true;
    m_status = -1;
    const QString address = URL.contains(QStringLiteral("://")) ? URL : QStringLiteral("http://") + URL;
    QNetworkRequest request {QUrl(address)};
    request.setHeader(QNetworkRequest::UserAgentHeader, Agent);
    request.setRawHeader("Accept", "text/html, */*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(TransferTimeout);

    QSaveFile output(OutputFileName);
    bool writing = false;
    qint64 received = 0;
    QNetworkReply* reply = m_network->get(request);
    QEventLoop loop;
    connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        const QByteArray block = reply->readAll();
        received += block.size();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!writing && (status == 200 || status == 206) && !OutputFileName.isEmpty())
            writing = output.open(QIODevice::WriteOnly);
        if (writing)
            output.write(block);
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();

    m_status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()
        ? reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()
        : -1;
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = !announced.isValid() || announced.toLongLong() == received;
    const bool success
        = reply->error() == QNetworkReply::NoError && (m_status == 200 || m_status == 206) && whole;
    if (success && !writing && !OutputFileName.isEmpty())
        writing = output.open(QIODevice::WriteOnly); // an empty body is a complete file too
    if (writing) {
        if (success)
            output.commit();
        else
            output.cancelWriting();
    }
    reply->deleteLater();
    m_busy = false;
    return true;
}
