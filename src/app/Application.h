#pragma once

#include "Languages.h"

#include <QApplication>

#include <exception>

// The application object. An error that escapes an event handler ends up in
// its general error report: a message box with the error's text, after which
// the program goes on. It starts in German, Qt's own texts included.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The language of the program's and Qt's texts from now on; the
    // windows made before it keep theirs.
    void setLanguage(Language language);

    // Shows `error` in a message box over the active window.
    static void showException(const std::exception_ptr &error);
    // Shows `text`, an error already said in the user's language, the same way.
    static void showMessage(const QString &text);

private:
    Translations m_translations;
};
