#pragma once

#include <QMainWindow>

// The one main window: race set-up, race clock, display and lap table.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

private:
    Q_DISABLE_COPY(TFormMain)
};
