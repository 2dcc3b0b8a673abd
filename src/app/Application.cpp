#include "Application.h"

#include "Fonts.h"
#include "ProgramInfo.h"

#include <QMessageBox>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    InstallFontSubstitutes();
    // The program's one window sets the type of everything, dialogs
    // included; nothing loads a font the window does not show (a line edit
    // first lays out its text in the application's font).
    setFont(WindowFont(QStringLiteral("MS Sans Serif"), 11, false));
    // The desktop finds the program's entry, and the windows carry its icon.
    setDesktopFileName(DesktopFileName());
    setWindowIcon(ProgramIcon());
    m_translations.install(Language::German);
}

void Application::setLanguage(Language language)
{
    m_translations.install(language);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showException(std::current_exception());
    }
    return false;
}

void Application::showException(const std::exception_ptr &error)
{
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = tr("Unknown error");
    }
    showMessage(text);
}

void Application::showMessage(const QString &text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}
