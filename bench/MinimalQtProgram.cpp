#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>

// The yardstick for the whole-process figures: the smallest Qt Widgets
// program that shows a window of the main window's size with a line of text
// (text brings in the font machinery that any real window needs).
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Rundaro"));
    window.resize(708, 483);
    new FirstPaint(&window);
    window.show();
    return app.exec();
}
