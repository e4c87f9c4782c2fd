#include "main/Countdown.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(Countdown, MinSegWritesMinutesAndSeconds)
{
    EXPECT_EQ(MinSeg(300), QStringLiteral("5 min. "));
    EXPECT_EQ(MinSeg(299), QStringLiteral("4 min.  y  59 seg."));
    EXPECT_EQ(MinSeg(59), QStringLiteral("59 seg."));
    EXPECT_EQ(MinSeg(60), QStringLiteral("1 min. "));
    EXPECT_EQ(MinSeg(0), QString());
    EXPECT_EQ(MinSeg(-3), QString());
}

TEST(Countdown, CountsDownAndExpires)
{
    Countdown countdown;
    QSignalSpy shown(&countdown, &Countdown::shown);
    QSignalSpy expired(&countdown, &Countdown::expired);
    countdown.VerTiempo(2);
    EXPECT_TRUE(countdown.isRunning());
    EXPECT_EQ(shown.takeFirst().first().toString(), QStringLiteral("2 seg."));
    ASSERT_TRUE(expired.wait(3500));
    EXPECT_EQ(countdown.SegundosRestantes(), 0);
    EXPECT_FALSE(countdown.isRunning());
    EXPECT_EQ(shown.size(), 2);
}

TEST(Countdown, ZeroSwitchesItOff)
{
    Countdown countdown;
    QSignalSpy shown(&countdown, &Countdown::shown);
    countdown.VerTiempo(0);
    EXPECT_FALSE(countdown.isRunning());
    countdown.toggle();
    EXPECT_FALSE(countdown.isRunning());
    EXPECT_EQ(shown.takeFirst().first().toString(), QString());
}

TEST(Countdown, PausesAndRestoresItsState)
{
    Countdown countdown;
    countdown.VerTiempo(300);
    {
        CountdownPause pause(countdown);
        EXPECT_FALSE(countdown.isRunning());
    }
    EXPECT_TRUE(countdown.isRunning());
    countdown.toggle();
    {
        CountdownPause pause(countdown);
    }
    EXPECT_FALSE(countdown.isRunning());
}

TEST(Countdown, MovingTheMouseKeepsTheSecondFromBeingCounted)
{
    Countdown countdown;
    countdown.VerTiempo(300);
    for (int i = 0; i < 8; ++i) {
        QTest::qWait(200);
        countdown.restartInterval();
    }
    EXPECT_EQ(countdown.SegundosRestantes(), 300);
    countdown.restart();
    EXPECT_EQ(countdown.SegundosRestantes(), 300);
}
