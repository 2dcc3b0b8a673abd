#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// The system's print dialog and its printer, in a module of their own that
// the window loads when the user first prints: a program that never prints
// never loads the printing library. The module keeps the printer from one
// dialog to the next, so the chosen printer and its settings stay.
class PrintModule
{
public:
    enum class Result { Cancelled, Printed, Failed };

    virtual ~PrintModule() = default;
    // Shows the dialog titled `title` over `parent` and, when the user
    // confirms, draws the pages with `print` on the chosen printer (or PDF
    // file); Failed when `print` returns false.
    virtual Result printWithDialog(QWidget *parent, const QString &title,
                                   const std::function<bool(QPagedPaintDevice &)> &print)
        = 0;
};

#define RundaroPrintModule_iid "de.rundaro.PrintModule/1.0"
Q_DECLARE_INTERFACE(PrintModule, RundaroPrintModule_iid)
