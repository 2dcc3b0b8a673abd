#include "PortMessages.h"

#include "ComErrors.h"

#include <QCoreApplication>

namespace {

using Reason = rundaro::serial::OpenRefusal::Reason;
using Step = PortFailure::Step;
using System = PortFailure::System;

// The steps an entry of the table speaks for.
enum StepMask : unsigned {
    kOpen = 1u << unsigned(Step::Open),
    kConfigure = 1u << unsigned(Step::Configure),
    kLine = 1u << unsigned(Step::Line),
    kAnyStep = kOpen | kConfigure | kLine,
};

// One row of the table: for these numbers of this system, at these steps,
// what happened (%1 the port, %2 the number) and what to do.
struct Meaning
{
    System system;
    unsigned steps;
    std::uint32_t errors[6]; // ends at the first 0
    const char *what;
    const char *todo;
};

// The numbers are Linux's errno values and Windows' system error codes,
// written out: both tables are read on either platform.
// clang-format off
const Meaning kMeanings[] = {
    // Linux
    {System::Posix, kAnyStep, {13}, // EACCES
     QT_TRANSLATE_NOOP("PortFailure", "Kein Zugriff auf %1 (Fehler %2): Sie sind nicht in der Gruppe „dialout“."),
     QT_TRANSLATE_NOOP("PortFailure", "Im Terminal eingeben: sudo adduser \"$USER\" dialout – dann ab- und wieder anmelden.")},
    {System::Posix, kAnyStep, {1}, // EPERM
     QT_TRANSLATE_NOOP("PortFailure", "Das System verweigert %1 (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Die Rechte des Geräts prüfen: ls -l %1")},
    {System::Posix, kAnyStep, {2}, // ENOENT
     QT_TRANSLATE_NOOP("PortFailure", "%1 ist nicht da (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Den Adapter einstecken; unter welchem Namen er kam, zeigt dmesg – diesen unter „Hardware:“ wählen.")},
    {System::Posix, kOpen | kLine, {5, 6, 19}, // EIO, ENXIO, ENODEV
     QT_TRANSLATE_NOOP("PortFailure", "Das Gerät an %1 ist weg (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Den Adapter wieder einstecken; kam er unter einem anderen Namen (dmesg), diesen unter „Hardware:“ wählen.")},
    {System::Posix, kConfigure, {5}, // EIO: DTR does not read back on
     QT_TRANSLATE_NOOP("PortFailure", "DTR bleibt an %1 aus (Fehler %2): das Gerät kann den Kontakt nicht versorgen."),
     QT_TRANSLATE_NOOP("PortFailure", "Einen Adapter mit allen Modemleitungen (voller DB9-Stecker) verwenden.")},
    {System::Posix, kAnyStep, {16}, // EBUSY
     QT_TRANSLATE_NOOP("PortFailure", "%1 wird von einem anderen Programm benutzt (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Das andere Programm beenden (welches, zeigt: fuser -v %1), dann den Port unter „Hardware:“ neu wählen.")},
    {System::Posix, kOpen, {25}, // ENOTTY
     QT_TRANSLATE_NOOP("PortFailure", "%1 ist kein serieller Port (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Einen anderen Port unter „Hardware:“ wählen.")},
    {System::Posix, kLine, {25, 22, 38}, // ENOTTY, EINVAL, ENOSYS
     QT_TRANSLATE_NOOP("PortFailure", "Der Treiber von %1 kann nicht auf die Modemleitungen warten (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Einen anderen Adapter verwenden.")},
    {System::Posix, kOpen | kConfigure, {22}, // EINVAL
     QT_TRANSLATE_NOOP("PortFailure", "%1 nimmt die Einstellungen nicht an (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Einen anderen Adapter verwenden.")},
    {System::Posix, kAnyStep, {23, 24, 12}, // ENFILE, EMFILE, ENOMEM
     QT_TRANSLATE_NOOP("PortFailure", "Dem System fehlen Mittel, um %1 zu öffnen (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Nicht benötigte Programme beenden und den Port unter „Hardware:“ neu wählen.")},
    // Windows
    {System::Windows, kAnyStep, {2, 3}, // ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND
     QT_TRANSLATE_NOOP("PortFailure", "%1 ist nicht da (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Den Adapter einstecken; welche Nummer er hat, zeigt der Geräte-Manager unter „Anschlüsse (COM & LPT)“ – diese unter „Hardware:“ wählen.")},
    {System::Windows, kAnyStep, {5, 32}, // ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION
     QT_TRANSLATE_NOOP("PortFailure", "%1 wird von einem anderen Programm benutzt (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Das andere Programm beenden (ein Terminalprogramm, die Software des Adapters), dann den Port unter „Hardware:“ neu wählen.")},
    {System::Windows, kAnyStep, {31, 21, 22, 121, 995, 1167}, // ERROR_GEN_FAILURE, _NOT_READY, _BAD_COMMAND, _SEM_TIMEOUT, _OPERATION_ABORTED, _DEVICE_NOT_CONNECTED
     QT_TRANSLATE_NOOP("PortFailure", "Das Gerät an %1 ist weg oder antwortet nicht (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Den Adapter wieder einstecken; bekam er eine andere Nummer (Geräte-Manager), diese unter „Hardware:“ wählen.")},
    {System::Windows, kAnyStep, {1, 87, 50}, // ERROR_INVALID_FUNCTION, _INVALID_PARAMETER, _NOT_SUPPORTED
     QT_TRANSLATE_NOOP("PortFailure", "Der Treiber von %1 kann die Modemleitungen nicht so bedienen (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Einen anderen Adapter verwenden.")},
    {System::Windows, kAnyStep, {8, 14, 1450}, // ERROR_NOT_ENOUGH_MEMORY, _OUTOFMEMORY, _NO_SYSTEM_RESOURCES
     QT_TRANSLATE_NOOP("PortFailure", "Dem System fehlen Mittel, um %1 zu öffnen (Fehler %2)."),
     QT_TRANSLATE_NOOP("PortFailure", "Nicht benötigte Programme beenden und den Port unter „Hardware:“ neu wählen.")},
};
// clang-format on

QString translated(const char *text)
{
    return QCoreApplication::translate("PortFailure", text);
}

// Who holds the port, as far as the device layer found out.
QString refusalText(const rundaro::serial::OpenRefusal &r, const QString &port, std::uint32_t error)
{
    const QString path = QString::fromStdString(r.path);
    const QString number = QString::number(error);
    switch (r.reason) {
    case Reason::None: break;
    case Reason::Console:
        return QCoreApplication::translate("PortFailure",
                                           "%1 ist die Konsole des Systems und wird nicht benutzt. Einen anderen Port "
                                           "unter „Hardware:“ wählen.")
            .arg(port);
    case Reason::HeldOpen:
        return QCoreApplication::translate(
                   "PortFailure",
                   "%1 wird von einem anderen Programm benutzt: %2 (Prozess %3). Dieses Programm beenden oder dort "
                   "den Port schließen, dann den Port unter „Hardware:“ neu wählen.")
            .arg(port, QString::fromStdString(r.program), QString::number(r.pid));
    case Reason::InUse:
        return QCoreApplication::translate("PortFailure",
                                           "%1 wird von einem anderen Programm benutzt (Fehler %2). Das andere "
                                           "Programm beenden (welches, zeigt: "
                                           "fuser -v %1), dann den Port unter „Hardware:“ neu wählen.")
            .arg(port, number);
    case Reason::Locked:
        return QCoreApplication::translate(
                   "PortFailure",
                   "%1 ist von einem anderen Programm gesperrt (Sperrdatei %2, Prozess %3). Dieses Programm beenden, "
                   "dann den Port unter „Hardware:“ neu wählen.")
            .arg(port, path, QString::number(r.pid));
    case Reason::StaleLock:
        return QCoreApplication::translate(
                   "PortFailure",
                   "Eine veraltete Sperrdatei von Benutzer %1 blockiert %2: %3 (Prozess %4 läuft nicht mehr; Fehler "
                   "%5). Entfernen mit: sudo rm %3")
            .arg(QString::fromStdString(r.user), port, path, QString::number(r.pid), number);
    case Reason::UnreadableLock:
        return QCoreApplication::translate(
                   "PortFailure",
                   "%1 ist gesperrt: %2 ist keine lesbare Sperrdatei. Die Datei prüfen und entfernen: sudo rm %2")
            .arg(port, path);
    case Reason::LockNotMade:
        return QCoreApplication::translate(
                   "PortFailure",
                   "Die Sperrdatei %1 für %2 kann nicht angelegt werden (Fehler %3). Platz und Rechte des Ordners "
                   "prüfen.")
            .arg(path, port, number);
    }
    return {};
}

} // namespace

PortFailure PortFailure::of(const EComError &e)
{
    PortFailure failure;
    failure.error = e.Error();
    failure.step = dynamic_cast<const EComState *>(&e) ? Step::Configure : Step::Open;
    failure.refusal = e.Refusal();
    return failure;
}

PortFailure::System PortFailure::nativeSystem()
{
#ifdef Q_OS_WIN
    return System::Windows;
#else
    return System::Posix;
#endif
}

QString PortFailure::explain(const QString &port, System system) const
{
    const QString refused = refusalText(refusal, port, error);
    if (!refused.isEmpty())
        return refused;
    if (error == 0)
        return {};
    const unsigned mask = 1u << unsigned(step);
    for (const Meaning &m : kMeanings) {
        if (m.system != system || !(m.steps & mask))
            continue;
        for (const std::uint32_t e : m.errors) {
            if (e == 0)
                break;
            if (e != error)
                continue;
            QString todo = translated(m.todo);
            if (todo.contains(QLatin1String("%1")))
                todo = todo.arg(port);
            return translated(m.what).arg(port, QString::number(error)) + QLatin1Char(' ') + todo;
        }
    }
    return QCoreApplication::translate("PortFailure", "%1 kann nicht benutzt werden (Fehler %2).")
               .arg(port, QString::number(error))
        + QLatin1Char(' ')
        + QCoreApplication::translate(
               "PortFailure",
               "Den Port unter „Hardware:“ neu wählen; hilft das nicht, einen anderen Adapter verwenden.");
}
