#include "AboutBox.h"

#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QMessageBox>

void ShowAboutBox(QWidget *parent)
{
    QMessageBox::about(parent, QCoreApplication::translate("AboutBox", "Über Rundaro"), AboutText());
}
