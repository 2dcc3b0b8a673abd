#include "Main.h"

TFormMain::TFormMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Rundaro ver 1.0"));
    resize(708, 483);
    setMinimumSize(708, 440);
}

TFormMain::~TFormMain() = default;
