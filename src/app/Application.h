#pragma once

#include <QApplication>

#include <exception>

// The application object. An error that escapes an event handler ends up in
// its general error report: a message box with the error's text, after which
// the program goes on.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows `error` in a message box over the active window.
    static void showException(const std::exception_ptr &error);
};
