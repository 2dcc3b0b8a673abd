#include "FuzzApplication.h"

#include <QApplication>
#include <QLocale>

namespace rundaro::fuzz {

QApplication &FuzzApplication()
{
    static int argc = 1;
    static char name[] = "rundaro-fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return new QApplication(argc, argv);
    }();
    return *app;
}

} // namespace rundaro::fuzz
