#include "Application.h"
#include "Main.h"

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TApplication::setApplicationName(QStringLiteral("Rundaro"));
    TApplication::setApplicationDisplayName(QStringLiteral("Rundaro"));
    TFormMain window;
    window.show();
    return app.exec();
}
