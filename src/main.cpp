#include "Application.h"
#include "Main.h"
#include "SoundThread.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    int result = 0;
    {
        TFormMain window;
        window.show();
        result = app.exec();
    }
    // The window is closed and its settings are stored. A sound thread
    // still waiting for a hanging sound server holds locks that the audio
    // library's clean-up at exit would wait for: the program ends without it.
    if (SoundThread::LeftRunning()) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
