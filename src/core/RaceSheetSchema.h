#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// What a race sheet holds, in one place: the lap table's columns in their
// order with the header each carries in the race file, and the set-up lines
// above the table, each with its key and the kind of value it holds. The
// race file's writer and reader, the lap table on screen, the export and the
// printout all follow these tables: a column or a set-up line is added here,
// and its value where the sheet is made (MakeRaceSheet). The keys and
// headers are German in every language: they are the race file's format.
namespace rundaro {

// The lap table's columns, left to right: the target schedule, then what
// was measured at each line.
enum class LapColumn {
    LapsToGo, // laps still to run at the row's line
    SegmentTime, // target time of the row's segment
    TargetTime, // target race time at the line, in seconds
    TargetMinSec, // the same in minutes and seconds
    TargetSpeed, // the target's average speed
    LapTime, // measured time of the segment, judged against its target
    RaceTime, // measured race time at the line, in seconds
    RaceMinSec, // the same in minutes and seconds
    Speed, // measured average speed up to the line
};
inline constexpr int kLapColumnCount = int(LapColumn::Speed) + 1;

// The first of the measured columns: a passing fills them, START and an undo
// empty them.
inline constexpr LapColumn kFirstResultColumn = LapColumn::LapTime;

struct LapColumnInfo
{
    LapColumn column;
    std::string_view header; // as the race file writes it
};

// clang-format off
inline constexpr LapColumnInfo kLapColumnTable[] = {
    {LapColumn::LapsToGo,     "Runden"},
    {LapColumn::SegmentTime,  "Zeit"},
    {LapColumn::TargetTime,   "Sollzeit"},
    {LapColumn::TargetMinSec, "in Min:Sek"},
    {LapColumn::TargetSpeed,  "km/h"},
    {LapColumn::LapTime,      "RealZeit"},
    {LapColumn::RaceTime,     "RealSollzeit"},
    {LapColumn::RaceMinSec,   "in Min:Sek"},
    {LapColumn::Speed,        "km/h"},
};
// clang-format on

// Every column in its order, for a loop over the table's columns.
inline constexpr std::array<LapColumn, kLapColumnCount> kLapColumnOrder = [] {
    std::array<LapColumn, kLapColumnCount> order{};
    for (int i = 0; i < kLapColumnCount; ++i)
        order[std::size_t(i)] = LapColumn(i);
    return order;
}();

// The column's place in a row, counted from 0.
constexpr std::size_t ColumnIndex(LapColumn column)
{
    return std::size_t(column);
}

constexpr std::string_view LapColumnHeader(LapColumn column)
{
    return kLapColumnTable[ColumnIndex(column)].header;
}

// The set-up lines above the lap table, top to bottom.
enum class SetUpKey {
    Date,
    Start,
    TrackLength,
    LapLength,
    Laps,
    ExtraMetres,
    TargetSeconds,
    Allowance,
    LapTime,
    Status,
    Skater,
    StartLane,
};
inline constexpr int kSetUpKeyCount = int(SetUpKey::StartLane) + 1;

// What a set-up line's value holds, which says how it is read back.
enum class SetUpValue {
    Text, // taken as written
    WholeNumber, // metres, laps or seconds: 0 to kMaxSetUpNumber
    Tenths, // seconds with one decimal, either decimal separator
    Status, // one of the race statuses (RaceStatus.h)
};

// The largest whole number a set-up line holds: far beyond any race.
inline constexpr long long kMaxSetUpNumber = 1'000'000;

struct SetUpKeyInfo
{
    SetUpKey key;
    std::string_view text; // the key as the race file writes it
    SetUpValue holds;
    // A file without the line is not a race file this program reads; files
    // older than the skater's name lack that line and read as unnamed.
    bool required;
};

// clang-format off
inline constexpr SetUpKeyInfo kSetUpKeyTable[] = {
    {SetUpKey::Date,          "Datum",             SetUpValue::Text,        true},  // "dd.MM.yyyy" of START
    {SetUpKey::Start,         "Start",             SetUpValue::Text,        true},  // "HH:mm:ss" of START
    {SetUpKey::TrackLength,   "Streckenlänge",     SetUpValue::WholeNumber, true},  // metres
    {SetUpKey::LapLength,     "Rundenlänge",       SetUpValue::WholeNumber, true},  // metres
    {SetUpKey::Laps,          "Runden",            SetUpValue::WholeNumber, true},
    {SetUpKey::ExtraMetres,   "Zusätzliche Meter", SetUpValue::WholeNumber, true},
    {SetUpKey::TargetSeconds, "Gesamtsekunden",    SetUpValue::WholeNumber, true},  // the target time
    {SetUpKey::Allowance,     "Startzugabe",       SetUpValue::Tenths,      true},  // seconds
    {SetUpKey::LapTime,       "Rundenzeit",        SetUpValue::Text,        true},  // the target lap time as shown
    {SetUpKey::Status,        "Status",            SetUpValue::Status,      true},
    {SetUpKey::Skater,        "Läufer",            SetUpValue::Text,        false}, // empty: unnamed
    {SetUpKey::StartLane,     "Startbahn",         SetUpValue::Text,        false}, // a pair's: "innen" or "außen"
};
// clang-format on

constexpr const SetUpKeyInfo &SetUpKeyOf(SetUpKey key)
{
    return kSetUpKeyTable[std::size_t(key)];
}

constexpr std::string_view SetUpKeyText(SetUpKey key)
{
    return SetUpKeyOf(key).text;
}

// The set-up key a line's name stands for; nothing for a key this program
// does not know (a newer program's), which a reader passes over.
constexpr std::optional<SetUpKey> FindSetUpKey(std::string_view text)
{
    for (const SetUpKeyInfo &info : kSetUpKeyTable)
        if (info.text == text)
            return info.key;
    return std::nullopt;
}

// Each table lists its enum's values once, in their order.
static_assert(std::size(kLapColumnTable) == std::size_t(kLapColumnCount));
static_assert(std::size(kSetUpKeyTable) == std::size_t(kSetUpKeyCount));
static_assert([] {
    for (int i = 0; i < kLapColumnCount; ++i)
        if (kLapColumnTable[i].column != LapColumn(i))
            return false;
    for (int i = 0; i < kSetUpKeyCount; ++i)
        if (kSetUpKeyTable[i].key != SetUpKey(i))
            return false;
    return true;
}());

} // namespace rundaro
