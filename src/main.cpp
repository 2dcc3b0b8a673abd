#include "Main.h"
#include "Application.h"
#include "CommandLine.h"
#include "Languages.h"
#include "MainServices.h"
#include "QuitSignals.h"
#include "SettingsOrder.h"
#include "SoundThread.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Help and version are printed and the program ends: no display needed.
    if (AsksForProgramInfo(argc, argv))
        UseHeadlessPlatform();
    Application app(argc, argv);
    // The language chosen last time, for everything from the command line on.
    const MainServices services = MainServices().Resolved();
    app.setLanguage(StoredLanguage(*services.Store,
                                   rundaro::RegistryKeyFor(QCoreApplication::applicationFilePath().toStdString())));
    if (const auto exitCode = ReadCommandLine())
        return *exitCode;
    // A signal to end ends the event loop; the window then goes as when
    // closed, storing its settings.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::received, &app, [] { QCoreApplication::exit(0); });
    int result = 0;
    {
        TFormMain window(services);
        window.show();
        result = app.exec();
    }
    // The window is closed and its settings are stored. A sound thread
    // still waiting for a hanging sound server holds locks that the audio
    // library's clean-up at exit would wait for: the program ends without it.
    if (SoundThread::leftRunning()) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
