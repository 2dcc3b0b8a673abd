#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

void InstallFontSubstitutes()
{
    struct Substitute { const char *family; const char *first; const char *second; };
    static constexpr Substitute table[] = {
        {"Arial", "Liberation Sans", "DejaVu Sans"},
        {"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"},
        {"Times New Roman", "Liberation Serif", "DejaVu Serif"},
        {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"},
    };
    const QStringList installed = QFontDatabase::families();
    auto has = [&installed](const QString &family) { return installed.contains(family, Qt::CaseInsensitive); };
    for (const auto &s : table) {
        const QString family = QLatin1String(s.family);
        QFont::removeSubstitutions(family);
        if (has(family))
            continue;
        // The installed twin first: it is the one the window's fonts ask for.
        QStringList substitutes{QLatin1String(s.first), QLatin1String(s.second)};
        if (!has(substitutes.front()) && has(substitutes.back()))
            substitutes.swapItemsAt(0, 1);
        QFont::insertSubstitutions(family, substitutes);
    }
}

QFont WindowFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(QFont::substitute(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
