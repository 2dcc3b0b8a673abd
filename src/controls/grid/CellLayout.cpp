#include "CellLayout.h"

namespace CellLayout {

QString ShortenHeader(const QString &text, int avail, const std::function<int(const QString &)> &width)
{
    if (text.size() < 2 || width(text) <= avail)
        return text;
    QString shortened = text.left(text.size() - 2) + QStringLiteral("..");
    while (width(shortened) > avail && shortened.size() > 3) {
        shortened.chop(1);
        shortened[shortened.size() - 2] = QLatin1Char('.');
    }
    return shortened;
}

} // namespace CellLayout
