#include "LapTimeColour.h"

#include "Colors.h"

#include <QLocale>

std::optional<QColor> LapTimeColour(const QString &text, std::int64_t targetMs)
{
    if (targetMs <= 0)
        return std::nullopt;
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double lapSeconds = locale.toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return double(targetMs) / 1000 >= lapSeconds ? Colors::clGreen() : Colors::clRed();
}
