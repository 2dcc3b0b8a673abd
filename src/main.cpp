#include "Main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rundaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Rundaro"));
    TFormMain window;
    window.show();
    return app.exec();
}
