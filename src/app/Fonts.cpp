#include "Fonts.h"

#include <QFont>
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
    for (const auto &s : table) {
        const QString family = QLatin1String(s.family);
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, {QLatin1String(s.first), QLatin1String(s.second)});
    }
}
