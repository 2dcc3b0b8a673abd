#include "Main.h"

#include "FlEdit.h"
#include "SpinEdit.h"

TFormMain::TFormMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Rundaro ver 1.0"));
    resize(708, 483);
    setMinimumSize(708, 440);
    createWidgets();
    connectPlanEditors();
    // Applying the allowance's value, as at the end of loading a form,
    // runs seDopTimeChange once.
    seDopTime->endLoading();
    FormCreate();
}

TFormMain::~TFormMain() = default;

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
    seDopTime->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Recompute();
    seLength->setFocus();
}
