#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QtGlobal>

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The program's icon, whose files are read when a picture of it is first
// asked for: Qt reads and decodes every file of an icon as it is added,
// which would put seven pictures in memory before the first frame on a
// platform that never shows them.
class ProgramIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : kIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

private:
    const QIcon &loaded()
    {
        if (m_loaded.isNull()) {
            for (const int size : kIconSizes)
                m_loaded.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
        }
        return m_loaded;
    }

    QIcon m_loaded;
};

} // namespace

QString ProgramVersion()
{
    return QStringLiteral(RUNDARO_VERSION);
}

QIcon ProgramIcon()
{
    return QIcon(new ProgramIconEngine);
}

QString DesktopFileName()
{
    return QStringLiteral("de.rundaro.Rundaro");
}

QString ProgramSummary()
{
    return QCoreApplication::translate("AboutBox",
                                       "Rundenzeitmesser für Eisschnelllauf- und Inlinerennen auf der Ovalbahn.");
}

QString AboutText()
{
    // The licences as the libraries' Debian packages state them.
    return QCoreApplication::translate(
               "AboutBox",
               "<h3>Rundaro %1</h3>"
               "<p>%2</p>"
               "<p>Lizenz: proprietär, alle Rechte vorbehalten.</p>"
               "<p>Verwendete Bibliotheken:</p>"
               "<ul>"
               "<li>Qt %3 (Core, Gui, Widgets, Print Support): LGPL-3 oder GPL-2</li>"
               "<li>Qt Multimedia, für die Klänge (Paket rundaro-sound): LGPL-3 oder GPL-2</li>"
               "<li>GNU C++-Bibliothek: GPL-3 mit GCC-Runtime-Ausnahme</li>"
               "</ul>"
               "<p>Schriften: Liberation (SIL Open Font License 1.1), DejaVu (Bitstream-Vera-Lizenz).</p>")
        .arg(ProgramVersion(), ProgramSummary().toHtmlEscaped(), QString::fromLatin1(qVersion()));
}
