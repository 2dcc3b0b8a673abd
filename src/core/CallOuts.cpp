#include "CallOuts.h"

#include "Numbers.h"
#include "Schedule.h"

#include <array>
#include <cstdlib>

namespace rundaro {

namespace {

constexpr const char *kSeparator = " \u2014 ";

// Tenths of `ms`, halves away from zero.
std::int64_t Tenths(std::int64_t ms)
{
    return ms >= 0 ? (ms + 50) / 100 : -((-ms + 50) / 100);
}

std::string TenthsText(std::int64_t tenths)
{
    return FormatFixed(Real(tenths) / 10, 1, ',');
}

} // namespace

std::string NumberWords(std::int64_t n)
{
    static constexpr std::array<const char *, 20> units{
        "null", "eins", "zwei",  "drei",     "vier",     "fünf",     "sechs",    "sieben",   "acht",     "neun",
        "zehn", "elf",  "zwölf", "dreizehn", "vierzehn", "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn",
    };
    static constexpr std::array<const char *, 10> tens{
        "", "", "zwanzig", "dreißig", "vierzig", "fünfzig", "sechzig", "siebzig", "achtzig", "neunzig",
    };
    if (n < 0 || n > 999)
        return IntToStr(n);
    if (n < 20)
        return units[std::size_t(n)];
    if (n < 100) {
        const std::int64_t one = n % 10;
        const std::string ten = tens[std::size_t(n / 10)];
        return one == 0 ? ten : (one == 1 ? std::string("ein") : std::string(units[std::size_t(one)])) + "und" + ten;
    }
    const std::int64_t hundreds = n / 100;
    const std::int64_t rest = n % 100;
    std::string words = (hundreds == 1 ? std::string("ein") : NumberWords(hundreds)) + "hundert";
    if (rest != 0)
        words += rest == 1 ? std::string("eins") : NumberWords(rest);
    return words;
}

std::string PassingCallOut(const RaceRecord &race, int i)
{
    const PlanFigures &plan = race.Setup().plan;
    std::string phrase = TenthsText(Tenths(race.LapMs(i)));
    if (plan.targetLapMs > 0) {
        const std::int64_t line = FirstPassingLine(plan) + i;
        const std::int64_t gap = Tenths(PlanTargetMs(plan, line) - race.RaceMs(i));
        phrase += kSeparator;
        if (gap == 0) {
            phrase += "im Plan";
        } else {
            const std::int64_t size = std::llabs(gap);
            phrase += NumberWords(size / 10) + " Komma " + NumberWords(size % 10) + (gap > 0 ? " voraus" : " zurück");
        }
    }
    const std::int64_t toGo = plan.laps - LapsRun(i + 1, plan.extraMetres);
    if (toGo == 1)
        phrase += std::string(kSeparator) + "letzte Runde";
    else if (toGo > 1)
        phrase += std::string(kSeparator) + "noch " + NumberWords(toGo) + " Runden";
    return phrase;
}

std::string StopCallOut(const RaceRecord &race)
{
    const std::int64_t tenths = Tenths(race.RaceMs(race.Passings() - 1));
    const std::int64_t minutes = tenths / 600;
    std::string phrase = "Endzeit ";
    if (minutes == 1)
        phrase += "eine Minute ";
    else if (minutes > 1)
        phrase += NumberWords(minutes) + " Minuten ";
    return phrase + TenthsText(tenths % 600);
}

} // namespace rundaro
