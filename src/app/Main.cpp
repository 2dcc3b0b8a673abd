#include "Main.h"

#include "FlEdit.h"
#include "Fonts.h"
#include "SpinEdit.h"

#include <QApplication>

TFormMain::TFormMain(QWidget *parent)
    : QMainWindow(parent)
{
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Rundaro ver 1.0"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    move(251, 245);
    resize(708, 483);
    setMinimumSize(708, 440);
    createWidgets();
    createMainMenu();
    createRaceTimer();
    connectPlanEditors();
    connectCommands();
    connectLapTable();
    describeForScreenReaders();
    FormResize(this);
    // Applying the allowance's value, as at the end of loading a form,
    // runs seDopTimeChange once.
    seDopTime->endLoading();
    FormCreate();
}

TFormMain::~TFormMain()
{
    FormDestroy();
}

void TFormMain::connectPlanEditors()
{
    auto bind = [this](auto *editor, void (TFormMain::*handler)(QObject *)) {
        editor->OnChange = [this, handler](QObject *sender) { (this->*handler)(sender); };
    };
    bind(seLength, &TFormMain::seLengthChange);
    bind(seLenKrug, &TFormMain::seLenKrugChange);
    bind(seKrugov, &TFormMain::seKrugovChange);
    bind(seLengthDop, &TFormMain::seKrugovChange);
    bind(seMin, &TFormMain::seMinChange);
    bind(seSek, &TFormMain::seMinChange);
    bind(seTime, &TFormMain::seTimeChange);
    bind(seDopTime, &TFormMain::seDopTimeChange);
}

void TFormMain::FormCreate()
{
    // The application title; not a display name, which Qt would append to
    // the window's own caption.
    QApplication::setApplicationName(QStringLiteral("Rundaro"));
    // Settings key from the program file's name: comes with the settings store.
    move(0, 0);
    // Stored settings are read here.
    SetUpLapTable();
    // Serial ports are scanned and the stored one opened here.
    seDopTime->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Recompute();
    // The port and polarity choices are shown here.
    seLength->setFocus();
}

void TFormMain::FormDestroy()
{
    // The settings are stored and the port closed here.
}
