#include "Fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace {

// Arial Narrow comes with some systems only. The Windows package ships its
// metric-compatible twin, Liberation Sans Narrow, in a folder of its own;
// it is loaded for the program alone, and only where neither is installed.
// Returns whether it loaded any.
bool loadShippedNarrowFont(const QStringList &installed)
{
    for (const char *family : {"Arial Narrow", "Liberation Sans Narrow"}) {
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return false;
    }
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/" RUNDARO_FONT_DIR_FROM_BIN));
    bool loaded = false;
    for (const QString &file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        loaded = QFontDatabase::addApplicationFont(folder.filePath(file)) >= 0 || loaded;
    return loaded;
}

} // namespace

void InstallFontSubstitutes()
{
    struct Substitute
    {
        const char *family;
        const char *first;
        const char *second;
    };
    static constexpr Substitute table[] = {
        {"Arial", "Liberation Sans", "DejaVu Sans"},
        {"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"},
        {"Times New Roman", "Liberation Serif", "DejaVu Serif"},
        {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"},
    };
    QStringList installed = QFontDatabase::families();
    if (loadShippedNarrowFont(installed))
        installed = QFontDatabase::families();
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
