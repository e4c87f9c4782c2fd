#include "main/Countdown.h"

QString MinSeg(int seconds)
{
    QString text;
    const int minutes = seconds / 60;
    if (minutes > 0) {
        text = QString::number(minutes) + QStringLiteral(" min. ");
        seconds -= 60 * minutes;
    }
    if (seconds > 0) {
        if (!text.isEmpty())
            text += QStringLiteral(" y  ");
        text += QString::number(seconds) + QStringLiteral(" seg.");
    }
    return text;
}

Countdown::Countdown(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &Countdown::tick);
}

void Countdown::VerTiempo(int seconds)
{
    m_total = seconds;
    m_remaining = seconds;
    if (seconds != 0) {
        Q_EMIT shown(MinSeg(seconds));
        m_timer.start();
    } else {
        Q_EMIT shown(QString());
        m_timer.stop();
    }
}

void Countdown::restartInterval()
{
    if (m_timer.isActive())
        m_timer.start();
}

void Countdown::resume()
{
    if (m_total != 0)
        m_timer.start();
}

void Countdown::toggle()
{
    if (m_timer.isActive())
        m_timer.stop();
    else
        resume();
}

void Countdown::tick()
{
    --m_remaining;
    Q_EMIT shown(MinSeg(m_remaining));
    if (m_remaining <= 0) {
        m_timer.stop();
        Q_EMIT expired();
    }
}
