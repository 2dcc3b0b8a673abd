#include "FlEdit.h"
#include "MainWindowFixture.h"
#include "SpinEdit.h"

#include <cstdint>

namespace {

// Races that cross the 32-bit wrap of the tick counter, and a race of the
// longest time the clock can hold (2^31 - 1 ms, 24 days 20 h 31 min): every
// time shown on the digits and in the lap table, the laps to go and the
// ahead/behind panel, each worked out here in integer arithmetic from the
// race time alone.
class LongRaceTest : public MainWindowFixture
{
protected:
    struct Plan
    {
        std::int64_t laps, lapLength, targetLap, allowanceMs;
    };

    Plan plan() const
    {
        return {child<TSpinEdit>("seKrugov")->value(), child<TSpinEdit>("seLenKrug")->value(), form.TargetLapMs(),
                static_cast<std::int64_t>(child<TSpinFloatEdit>("seDopTime")->value() * 1000)};
    }

    // A race time as shown: cut off to hundredths.
    static std::int64_t cut(std::int64_t ms) { return ms - ms % 10; }
    // Seconds with two decimals, the thousandths cut off.
    static QString seconds(std::int64_t ms)
    {
        const std::int64_t cs = ms / 10;
        return QString::asprintf("%lld,%02lld", static_cast<long long>(cs / 100), static_cast<long long>(cs % 100));
    }
    // n / d with one decimal, halves away from zero (n, d > 0).
    static QString tenths(std::int64_t n, std::int64_t d)
    {
        const std::int64_t t = (20 * n + d) / (2 * d);
        return QString::asprintf("%lld,%lld", static_cast<long long>(t / 10), static_cast<long long>(t % 10));
    }
    // The nearest integer to n / 1000, halves to the even one.
    static std::int64_t roundThousandths(std::int64_t n)
    {
        std::int64_t q = n / 1000;
        std::int64_t r = n % 1000;
        if (r < 0) {
            --q;
            r += 1000;
        }
        if (r > 500 || (r == 500 && q % 2 != 0))
            ++q;
        return q;
    }

    void expectShown(std::int64_t t)
    {
        SCOPED_TRACE(t);
        const Plan p = plan();
        const std::int64_t cs = t / 10;
        EXPECT_EQ(digits(),
                  QString::asprintf("%02lld.%02lld,%02lld", static_cast<long long>(cs / 6000 % 60),
                                    static_cast<long long>(cs / 100 % 60), static_cast<long long>(cs % 100)));
        const std::int64_t half = p.targetLap / 2;
        const std::int64_t due = (t - p.allowanceMs - half) / p.targetLap;
        EXPECT_EQ(panel("PanelKrugov")->caption(), QString::number(p.laps - due));
        const std::int64_t r = (half + t - (p.allowanceMs + 500)) % p.targetLap;
        const std::int64_t shown = roundThousandths(half - r);
        EXPECT_EQ(panel("PanelPlusMin")->caption(),
                  (shown > 0 ? QStringLiteral("+") : QString()) + QString::number(shown));
    }

    void expectLap(int row, std::int64_t previous, std::int64_t ms, int count)
    {
        SCOPED_TRACE(ms);
        const Plan p = plan();
        // The lap: the difference of the cut race times.
        const std::int64_t lap = cut(ms) - cut(previous);
        QString inMinutes = seconds(ms % 60000);
        if (inMinutes.size() < 5)
            inMinutes.prepend(QLatin1Char('0'));
        EXPECT_EQ(results(row),
                  QStringList({seconds(lap), seconds(ms), QString::number(ms / 60000) + QLatin1Char(':') + inMinutes,
                               // Two passings within one hundredth: a lap of 0 has no speed.
                               lap > 0 ? tenths(p.lapLength * 3600, lap) : QString()}));
        EXPECT_EQ(editText("eSpeedSredn"), tenths(p.lapLength * count * 3600, cut(ms)));
    }

    // START at tick `start`, then ticks and passings at the race times given,
    // the last one the STOP.
    void race(std::uint32_t start, const std::vector<std::int64_t> &passings)
    {
        clock.set(start);
        ctrl(Qt::Key_S);
        std::int64_t previous = 0;
        int count = 0;
        for (std::size_t i = 0; i < passings.size(); ++i) {
            const std::int64_t ms = passings[i];
            for (std::int64_t before : {ms - 10950, ms - 501, ms - 1}) {
                if (before <= previous)
                    continue;
                tickAt(static_cast<std::int32_t>(before));
                expectShown(before);
            }
            at(static_cast<std::int32_t>(ms));
            ctrl(i + 1 == passings.size() ? Qt::Key_P : Qt::Key_L);
            ++count;
            expectLap(count + 1, previous, ms, count);
            previous = ms;
        }
        const std::int64_t last = passings.back();
        const std::int64_t cs = last / 10;
        EXPECT_EQ(digits(),
                  QString::asprintf("%02lld.%02lld,%02lld", static_cast<long long>(cs / 6000 % 60),
                                    static_cast<long long>(cs / 100 % 60), static_cast<long long>(cs % 100)));
        EXPECT_TRUE(button("bReset")->isEnabled());
    }
};

TEST_F(LongRaceTest, PassingsOnBothSidesOfTheWrap)
{
    // The counter wraps 30 s after START; passings just before, at and after it.
    race(0xFFFFFFFFu - 29999, {21003, 29999, 30000, 30001, 52345, 74999, 96505});
}

TEST_F(LongRaceTest, TheLongestRaceTheClockCanHold)
{
    // Started before the wrap, so that the counter wraps early in the race.
    constexpr std::int64_t kLongest = 2147483647;
    std::vector<std::int64_t> passings;
    for (std::int64_t k = 1; k <= 13; ++k)
        passings.push_back(k * 150000007);
    passings.push_back(kLongest - 11000); // half a lap before the end: the ahead/behind panel's widest sum
    passings.push_back(kLongest);
    race(0xFFFF0000u, passings);
}

} // namespace
