#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

// The yardstick for the whole-process figures: the smallest Qt Widgets
// program that shows a window of the main window's size.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    window.resize(708, 483);
    new FirstPaint(&window);
    window.show();
    return app.exec();
}
