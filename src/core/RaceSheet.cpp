#include "RaceSheet.h"

#include "RaceStatus.h"

#include <algorithm>

namespace rundaro {

namespace {

// The texts of the race arithmetic carry a '.'; the sheet carries the
// caller's separator, whatever its length in UTF-8.
std::string withSeparator(const std::string &text, const std::string &separator)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '.')
            out += separator;
        else
            out += c;
    }
    return out;
}

} // namespace

RaceSheet MakeRaceSheet(const RaceRecord &race, const std::string &date, const std::string &startTime,
                        const std::string &separator)
{
    const RaceSetup &setup = race.Setup();
    const PlanFigures &plan = setup.plan;
    RaceSheet sheet;
    sheet.setup = {
        {"Datum", date},
        {"Start", startTime},
        {"Streckenlänge", IntToStr(setup.trackLength)},
        {"Rundenlänge", IntToStr(plan.lapLength)},
        {"Runden", IntToStr(plan.laps)},
        {"Zusätzliche Meter", IntToStr(plan.extraMetres)},
        {"Gesamtsekunden", IntToStr(setup.targetSeconds)},
        {"Startzugabe", withSeparator(FormatFixed(plan.allowanceSeconds, 1, '.'), separator)},
        {"Rundenzeit", withSeparator(plan.lapTimeText, separator)},
        {"Status",
         std::string(race.IsStopped() ? JudgedRaceStatus(kStatusFinished, plan.laps, plan.extraMetres, race.Passings())
                                      : kStatusRunning)},
        {"Läufer", race.Skater()},
    };

    const int passings = race.Passings();
    const std::int64_t rows = std::max<std::int64_t>(plan.laps + 1, passings > 0 ? race.Row(passings - 1) : 0);
    sheet.rows.resize(std::size_t(rows));
    for (std::int64_t i = 0; i < rows; ++i) {
        const PlanRowTexts target = PlanRow(plan, i, '.');
        sheet.rows[std::size_t(i)]
            = {target.lapsToGo, target.segmentTime, target.targetTime, target.minSec, target.speed};
    }
    for (int p = 0; p < passings; ++p) {
        const std::int64_t line = race.Row(p) - 1;
        const LapResultTexts result = LapResult(race.RaceMs(p), race.LapMs(p), SegmentMetres(plan, line), '.');
        RaceRowTexts &row = sheet.rows[std::size_t(line)];
        row[5] = result.lapTime;
        row[6] = result.raceTime;
        row[7] = result.minSec;
        row[8] = result.speed;
    }
    for (RaceRowTexts &row : sheet.rows)
        for (std::string &text : row)
            text = withSeparator(text, separator);
    return sheet;
}

std::string RaceCsv(const RaceSheet &sheet, const RaceRowTexts &headers)
{
    std::string csv = "\xEF\xBB\xBF";
    for (const auto &[name, value] : sheet.setup)
        csv += name + ';' + value + "\r\n";
    csv += "\r\n";
    auto line = [&csv](const RaceRowTexts &fields) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            csv += (i > 0 ? ";" : "") + fields[i];
        csv += "\r\n";
    };
    line(headers);
    for (const RaceRowTexts &row : sheet.rows)
        line(row);
    return csv;
}

} // namespace rundaro
