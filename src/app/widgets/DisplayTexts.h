#pragma once

#include "LocaleNumber.h"

#include <QString>

#include <string>

// What a target display shows when the plan gives no target lap time, and
// what the ahead/behind panel shows in a race without a schedule.
inline QString NoTargetText()
{
    return QString(QChar(0x2013));
}

// A number text of the race arithmetic (written with a '.') in the user's
// locale, whatever character its decimal separator is.
inline QString LocaleNumberText(const std::string &text)
{
    QString localized = QString::fromStdString(text);
    localized.replace(QLatin1Char('.'), rundaro::LocaleDecimalSeparator());
    return localized;
}
