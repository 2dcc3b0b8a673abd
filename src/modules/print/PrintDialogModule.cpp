#include "PrintDialogModule.h"

#include <QPrintDialog>
#include <QPrinter>

PrintPlugin::PrintPlugin() = default;

PrintPlugin::~PrintPlugin() = default;

PrintModule::Result PrintPlugin::printWithDialog(QWidget *parent, const QString &title,
                                                 const std::function<bool(QPagedPaintDevice &)> &print)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_printer.get(), parent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return Result::Cancelled;
    return print(*m_printer) ? Result::Printed : Result::Failed;
}
