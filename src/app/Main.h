#pragma once

#include <QMainWindow>

#include <cstdint>

class QLineEdit;
class QTabWidget;
class QWidget;
class TPanel;
class TSpinEdit;
class TSpinFloatEdit;

// The one main window: race set-up, race clock, display and lap table.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

    // Track length ÷ lap length as last computed by Recompute.
    double LapsExact() const { return m_lapsExact; }
    // Target time of one whole lap in ms, kept in the Tag of pTimeOneKrug.
    std::int32_t TargetLapMs() const;

public slots:
    // The race plan's change handlers; Sender is not used.
    void seLengthChange(QObject *Sender = nullptr);
    void seLenKrugChange(QObject *Sender = nullptr);
    void seKrugovChange(QObject *Sender = nullptr);
    void seMinChange(QObject *Sender = nullptr);
    void seTimeChange(QObject *Sender = nullptr);
    void seDopTimeChange(QObject *Sender = nullptr);
    // Derives the target lap time and the speeds from the set-up editors.
    void Recompute();

private:
    Q_DISABLE_COPY(TFormMain)

    void createWidgets();
    QWidget *createInlineTab();
    QWidget *createPanelControl();
    QWidget *createControlTab();
    void connectPlanEditors();
    void FormCreate();

    QTabWidget *PageControl1 = nullptr;
    TPanel *PanelKrugov = nullptr;
    TPanel *PanelPlusMin = nullptr;
    TPanel *pTimeOneKrug = nullptr;
    TPanel *pTimeAverSpeed = nullptr;
    QWidget *PanelControl = nullptr;
    TSpinEdit *seLength = nullptr;
    TSpinEdit *seLenKrug = nullptr;
    TSpinEdit *seKrugov = nullptr;
    TSpinEdit *seLengthDop = nullptr;
    TSpinEdit *seMin = nullptr;
    TSpinEdit *seSek = nullptr;
    TSpinEdit *seTime = nullptr;
    TSpinFloatEdit *seDopTime = nullptr;
    QLineEdit *eTimeKrug = nullptr;
    QLineEdit *eSpeedKrug = nullptr;
    QLineEdit *eSpeedSredn = nullptr;

    double m_lapsExact = 0;
};
