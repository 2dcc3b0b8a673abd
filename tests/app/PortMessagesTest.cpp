#include "PortMessages.h"
#include "ComErrors.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

using rundaro::serial::OpenRefusal;
using Step = PortFailure::Step;
using System = PortFailure::System;

OpenRefusal refusal(OpenRefusal::Reason reason, const char *path = "", const char *program = "", const char *user = "",
                    int pid = 0)
{
    OpenRefusal r;
    r.reason = reason;
    r.path = path;
    r.program = program;
    r.user = user;
    r.pid = pid;
    return r;
}

// Each failure of the trigger's port, by the system's number and what the
// device layer found, says what happened and what to do: the port, the
// number, and the words or the command the user needs.
TEST(PortMessages, EachNumberSaysWhatHappenedAndWhatToDo)
{
    struct Case
    {
        System system;
        Step step;
        std::uint32_t error;
        OpenRefusal refusal;
        const char *port;
        const char *what; // what happened, with the port and the number
        const char *todo; // what to do
    };
    using R = OpenRefusal::Reason;
    // clang-format off
    const Case cases[] = {
        {System::Posix, Step::Open, 13, {}, "/dev/ttyUSB0", "Kein Zugriff auf /dev/ttyUSB0 (Fehler 13)", "sudo adduser \"$USER\" dialout – dann ab- und wieder anmelden"},
        {System::Posix, Step::Line, 13, {}, "/dev/ttyUSB0", "Gruppe „dialout“", "sudo adduser \"$USER\" dialout"},
        {System::Posix, Step::Open, 2, {}, "/dev/ttyUSB0", "/dev/ttyUSB0 ist nicht da (Fehler 2)", "dmesg"},
        {System::Posix, Step::Line, 5, {}, "/dev/ttyUSB0", "Das Gerät an /dev/ttyUSB0 ist weg (Fehler 5)", "wieder einstecken"},
        {System::Posix, Step::Configure, 5, {}, "/dev/ttyUSB0", "DTR bleibt an /dev/ttyUSB0 aus (Fehler 5)", "Modemleitungen"},
        {System::Posix, Step::Line, 25, {}, "/dev/ttyUSB0", "nicht auf die Modemleitungen warten (Fehler 25)", "anderen Adapter"},
        {System::Posix, Step::Open, 16, {}, "/dev/ttyS0", "/dev/ttyS0 wird von einem anderen Programm benutzt (Fehler 16)", "fuser -v /dev/ttyS0"},
        {System::Posix, Step::Open, 16, refusal(R::HeldOpen, "", "minicom", "", 4711), "/dev/ttyS0", "anderen Programm benutzt: minicom (Prozess 4711)", "Programm beenden"},
        {System::Posix, Step::Open, 16, refusal(R::Locked, "/run/lock/LCK..ttyS0", "", "", 815), "/dev/ttyS0", "gesperrt (Sperrdatei /run/lock/LCK..ttyS0, Prozess 815)", "Programm beenden"},
        {System::Posix, Step::Open, 1, refusal(R::StaleLock, "/run/lock/LCK..ttyS0", "", "anna", 815), "/dev/ttyS0", "veraltete Sperrdatei von Benutzer anna blockiert /dev/ttyS0", "Entfernen mit: sudo rm /run/lock/LCK..ttyS0"},
        {System::Posix, Step::Open, 16, refusal(R::Console), "/dev/ttyS0", "/dev/ttyS0 ist die Konsole des Systems", "anderen Port"},
        {System::Posix, Step::Open, 16, refusal(R::UnreadableLock, "/run/lock/LCK..ttyS0"), "/dev/ttyS0", "keine lesbare Sperrdatei", "sudo rm /run/lock/LCK..ttyS0"},
        {System::Posix, Step::Open, 4242, {}, "/dev/ttyS0", "/dev/ttyS0 kann nicht benutzt werden (Fehler 4242)", "neu wählen"},
        {System::Windows, Step::Open, 5, {}, "COM3", "COM3 wird von einem anderen Programm benutzt (Fehler 5)", "Programm beenden"},
        {System::Windows, Step::Open, 2, {}, "COM3", "COM3 ist nicht da (Fehler 2)", "Geräte-Manager"},
        {System::Windows, Step::Line, 31, {}, "COM3", "Das Gerät an COM3 ist weg oder antwortet nicht (Fehler 31)", "wieder einstecken"},
        {System::Windows, Step::Open, 13, {}, "COM3", "COM3 kann nicht benutzt werden (Fehler 13)", "neu wählen"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        PortFailure failure;
        failure.error = c.error;
        failure.step = c.step;
        failure.refusal = c.refusal;
        const QString text = failure.explain(QString::fromUtf8(c.port), c.system);
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.what))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.todo))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("%"))) << text.toStdString();
    }
    EXPECT_TRUE(PortFailure{}.explain(QStringLiteral("/dev/ttyS0")).isEmpty());
}

// The component's errors carry where they happened and the refusal.
TEST(PortMessages, TakenFromTheComponentsErrors)
{
    const PortFailure opened = PortFailure::of(
        EComHandle("Unable to open com port: 16", 16, refusal(OpenRefusal::Reason::HeldOpen, "", "minicom", "", 9)));
    EXPECT_EQ(opened.step, Step::Open);
    EXPECT_EQ(opened.error, 16u);
    EXPECT_EQ(opened.refusal.program, "minicom");
    EXPECT_EQ(PortFailure::of(EComState("Unable to set com state: 5", 5)).step, Step::Configure);
}

} // namespace
