#pragma once

#include "PrintModule.h"

#include <QObject>

#include <memory>

class QPrinter;

class PrintPlugin : public QObject, public PrintModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RundaroPrintModule_iid)
    Q_INTERFACES(PrintModule)

public:
    PrintPlugin();
    ~PrintPlugin() override;

    Result printWithDialog(QWidget *parent, const QString &title,
                           const std::function<bool(QPagedPaintDevice &)> &print) override;

private:
    std::unique_ptr<QPrinter> m_printer; // made at the first dialog
};
