#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QtGlobal>

QString ProgramVersion()
{
    return QStringLiteral(RUNDARO_VERSION);
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
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
