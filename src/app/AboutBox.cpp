#include "AboutBox.h"

#include "ProgramInfo.h"

#include <QMessageBox>

void ShowAboutBox(QWidget *parent)
{
    QMessageBox::about(parent, QStringLiteral("\u00dcber Rundaro"), AboutText());
}
