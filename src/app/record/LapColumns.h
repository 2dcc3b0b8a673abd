#pragma once

#include "RaceSheetSchema.h"

#include <QCoreApplication>
#include <QString>

#include <iterator>
#include <string_view>

// The lap table's columns (rundaro::LapColumn, in its order) as screen and
// paper show them: each one's width at the window's size and its header,
// German in the race files, translated on screen and paper.
struct LapColumnEntry
{
    int width;
    const char *header; // the race file's header, marked for translation
};

// clang-format off
inline constexpr LapColumnEntry kLapColumns[] = {
    {66, QT_TRANSLATE_NOOP("LapColumns", "Runden")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "Zeit")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "Sollzeit")},
    {90, QT_TRANSLATE_NOOP("LapColumns", "in Min:Sek")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "km/h")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "RealZeit")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "RealSollzeit")},
    {90, QT_TRANSLATE_NOOP("LapColumns", "in Min:Sek")},
    {80, QT_TRANSLATE_NOOP("LapColumns", "km/h")},
};
// clang-format on

// One entry per column of the race sheet, its header the file's: a column
// added to the sheet needs its width and its translation here.
static_assert(std::size(kLapColumns) == std::size_t(rundaro::kLapColumnCount));
static_assert([] {
    for (rundaro::LapColumn column : rundaro::kLapColumnOrder)
        if (std::string_view(kLapColumns[rundaro::ColumnIndex(column)].header) != rundaro::LapColumnHeader(column))
            return false;
    return true;
}());

// The column's index in a grid.
constexpr int GridColumn(rundaro::LapColumn column)
{
    return int(rundaro::ColumnIndex(column));
}

constexpr int LapColumnWidth(rundaro::LapColumn column)
{
    return kLapColumns[rundaro::ColumnIndex(column)].width;
}

// A column's header in the program's language.
inline QString LapColumnTitle(rundaro::LapColumn column)
{
    return QCoreApplication::translate("LapColumns", kLapColumns[rundaro::ColumnIndex(column)].header);
}
