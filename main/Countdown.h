#pragma once

#include <QObject>
#include <QTimer>

// "5 min.  y  3 seg." for 303 seconds; the empty text for 0 or less.
QString MinSeg(int seconds);

// The automatic close: counts down one second at a time from the configured time, which
// every sign of activity restores, and asks to end the program when it reaches 0.
class Countdown : public QObject
{
    Q_OBJECT

public:
    explicit Countdown(QObject* parent = nullptr);

    int SegundosRestantes() const { return m_remaining; }
    bool isRunning() const { return m_timer.isActive(); }

    // Starts counting from seconds; 0 switches the countdown off.
    void VerTiempo(int seconds);
    // Activity: back to the configured time.
    void restart() { m_remaining = m_total; }
    // A fresh one-second interval, so no second is counted while the user is busy.
    void restartInterval();
    void pause() { m_timer.stop(); }
    void resume();
    void toggle();

Q_SIGNALS:
    // The text to show, as MinSeg writes it; empty when the countdown is off.
    void shown(const QString& text);
    void expired();

private:
    void tick();

    QTimer m_timer;
    int m_total = 0;
    int m_remaining = 0;
};

// Stops the countdown while a modal window is open, and restores its state afterwards.
class CountdownPause
{
public:
    explicit CountdownPause(Countdown& countdown)
        : m_countdown(countdown)
        , m_wasRunning(countdown.isRunning())
    {
        m_countdown.pause();
    }
    ~CountdownPause()
    {
        if (m_wasRunning)
            m_countdown.resume();
    }
    CountdownPause(const CountdownPause&) = delete;
    CountdownPause& operator=(const CountdownPause&) = delete;

private:
    Countdown& m_countdown;
    bool m_wasRunning;
};
