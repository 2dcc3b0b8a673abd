#pragma once

#include "ButtonTypes.h"

#include <array>

// Modal results a button hands to its window when clicked.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;
inline constexpr int mrAll = 8;

// What choosing a stock kind gives a button. The captions are UTF-8.
struct StockKindInfo
{
    TBitBtnWithColorKind Kind;
    const char *Caption;
    int ModalResult;
    bool Default;
    bool Cancel;
};

// Indexed by TBitBtnWithColorKind.
inline constexpr std::array<StockKindInfo, 11> kStockKinds{{
    {bkCustom, "", mrNone, false, false},
    {bkOK, "OK", mrOk, true, false},
    {bkCancel, "Abbrechen", mrCancel, false, true},
    {bkHelp, "&Hilfe", mrNone, false, false},
    {bkYes, "&Ja", mrYes, true, false},
    {bkNo, "&Nein", mrNo, false, true},
    {bkClose,
     "&Schlie\xc3\x9f"
     "en",
     mrNone, false, false},
    {bkAbort, "Ab&bruch", mrAbort, false, false},
    {bkRetry, "&Wiederholen", mrRetry, false, false},
    {bkIgnore, "&Ignorieren", mrIgnore, false, false},
    {bkAll, "&Alle", mrAll, false, false},
}};

constexpr const StockKindInfo &StockKind(TBitBtnWithColorKind kind)
{
    return kStockKinds[static_cast<std::size_t>(kind)];
}
