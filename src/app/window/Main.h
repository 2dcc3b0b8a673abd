#pragma once

#include "ContactLockout.h"
#include "ContactRule.h"
#include "GridTypes.h"
#include "MainServices.h"
#include "PortMessages.h"
#include "RaceRecord.h"

#include <QColor>
#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class PortReopener;
class QWidget;
class RaceFeed;
class TBitBtnWithColor;
class TComPort;
class TDigit;
class FullScreenView;
class LapChartPage;
class LineBoard;
class RaceCallOuts;
class RaceHistory;
class StoredRaceView;
class ComparePage;
struct RaceHistoryEntry;
class RaceSounds;
class ScreenChoice;
class TriggerStatus;
class Panel;
class PortList;
class TSortGrid;
class TSpinEdit;
class TSpinFloatEdit;
class PairBoard;
class PairRace;
class PairTables;
class SkaterField;

namespace rundaro {
enum class Setting;
}

// The one main window: race set-up, race clock, display and lap table.
//
// The race clock's state is nothing but the enabled state of the four
// command buttons (mirrored by their menu items); the tick values live in
// the members below, the passings in the Tag of bLAP and the measured laps
// only as texts of the lap table.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    // With the platform's settings store and serial ports.
    explicit TFormMain(QWidget *parent = nullptr);
    explicit TFormMain(MainServices services, QWidget *parent = nullptr);
    ~TFormMain() override;

    // Track length ÷ lap length as last computed by Recompute.
    double LapsExact() const { return m_lapsExact; }
    // Target time of one whole lap in ms, kept in the Tag of pTimeOneKrug.
    std::int32_t TargetLapMs() const;

    // The race clock's tick values.
    std::uint32_t StartTick() const { return m_startTick; }
    std::int32_t LapMark() const { return m_lapMark; }
    std::int32_t PrevLapMark() const { return m_prevLapMark; }
    std::uint32_t StopTick() const { return m_stopTick; }
    // Passings recorded in this race, kept in the Tag of bLAP.
    int LapCount() const;
    // Scheduled passings counted by the last tick.
    std::int32_t LapsDue() const { return m_lapsDue; }
    // The whole seconds last shown on PanelPlusMin, kept in its Tag.
    int PlusMinShown() const;

    // The port scan's result: bit n-1 for each port n <= 16 found, bits
    // 16-31 the highest port number found (0 when none).
    std::uint32_t PortMask() const { return m_portMask; }
    // The modem status word last seen by ComPortDSR, its DSR bit as the
    // contact's reports tell it.
    std::uint32_t LastModemStatus() const { return m_lastModemStatus; }
    // "\Software\" and, once FormCreate ran, the program file's base name.
    const std::string &RegistryKey() const { return m_registryKey; }

    // Colour of a leading zero (index 0) and of a significant digit (1).
    static const std::array<QColor, 2> DigitColors;

    // The facts of the current race (or of the last one, until RESET): its
    // set-up at START and the raw tick of every passing.
    const rundaro::RaceRecord &Race() const { return m_record; }
    // The plan as the editors and Recompute hold it now.
    rundaro::RaceSetup PlanInForce() const;
    // Its schedule's figures alone, without the shown texts.
    rundaro::PlanFigures ScheduleInForce() const;
    // The record, the plan in force and the race signals, for whatever
    // follows the race.
    RaceFeed &Feed() const { return *m_feed; }

    // Writes minutes, seconds and hundredths to the six digits.
    Q_INVOKABLE void ShowDigits(int minutes, int seconds, int hundredths);
    // Shows the race time `t` in ms on the digits.
    Q_INVOKABLE void ShowTime(int t);

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
    // Lets values still being typed into the set-up editors take effect.
    void applyTypedPlan();

    // The race clock's commands, shared by the buttons and the menu items.
    void bStartClick(QObject *Sender = nullptr);
    void bLAPClick(QObject *Sender = nullptr);
    void bStopClick(QObject *Sender = nullptr);
    void bResetClick(QObject *Sender = nullptr);
    // Refreshes time, laps to go and ahead/behind while the clock runs.
    void Timer1Timer(QObject *Sender = nullptr);
    // Takes the last passing back (a STOP too), as if it had never been
    // taken; mUndo and the lap table's context menu.
    void mUndoClick(QObject *Sender = nullptr);

    // Fits the large panels' font to the laps-to-go panel's new width.
    void FormResize(QObject *Sender = nullptr);
    // Refills the lap table's target columns when "Control" is shown.
    void PageControl1Change(QObject *Sender = nullptr);
    // Fills the lap table's target columns 0 to 4 and sets its row count.
    void FillPlan();

    // The hardware lap trigger.
    // Lists the ports present (opening none) in cbPort and returns the scan
    // result.
    std::uint32_t ScanPorts();
    // The user picked an entry of cbPort: (re)opens ComPort on it, or
    // closes it for "None".
    void cbPortChange(QObject *Sender = nullptr);
    // A DSR change of ComPort: triggers for each contact the port's worker
    // found (ContactRule) to the polarity kept in ComPort's Tag, at the tick
    // of the contact's own edge.
    void ComPortDSR(QObject *Sender = nullptr);
    // Runs whichever of START, LAP and STOP is due at `tick`, unless locked
    // out, and locks the line out for TimerGesperrt's interval, measured on
    // GetTickCount from `tick`.
    void TriggerRace(std::uint32_t tick);
    void ArmLockout();
    void TimerGesperrtTimer(QObject *Sender = nullptr);
    // ComPort has closed itself: its line is lost (Error: the system's
    // error number). Shown at once; the port reopens when its device comes
    // back.
    void ComPortLost(QObject *Sender, quint32 Error);
    // Once a second while the chosen port is lost: tries to open it again,
    // unless another adapter than the one opened before is at its node.
    void TimerReconnectTimer(QObject *Sender = nullptr);

signals:
    // Each race command emits its signal last, when the clock, the table and
    // the record are up to date. Whoever follows the race queues anything
    // slow from here, so nothing delays the next command.
    void raceStarted();
    void passingRecorded(int index);
    void passingUndone(int index);
    void raceStopped();
    void raceReset();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(TFormMain)

    void createWidgets();
    void createInlineTab(QWidget *tab);
    QWidget *createPanelBig();
    QWidget *createPanel5();
    QWidget *createCommandButtons();
    QWidget *createTimeDisplay();
    QWidget *createPanel11();
    QWidget *createPanelControl();
    void createControlTab(QWidget *tab);
    void createConfigurationTab(QWidget *tab);
    void createMainMenu();
    void createRaceTimer();
    void describeForScreenReaders();
    // The track-side presentation beside the window's own display: the
    // full-screen view, the race sounds and the lap chart, each a class of
    // its own that follows the race through the signals below.
    void createTrackSide();
    void connectPlanEditors();
    void connectCommands();
    void connectLapTable();
    // Undo's menu item follows the race's passings.
    void connectUndo();
    // The feed that the race's followers take instead of the window.
    void createFeed();
    // The race file, export, printing, help and quit, fed by the race signals.
    void createRaceFeatures();
    // The saved races: the skater's name, the history, an opened race in
    // place of the lap table and the chart's race, the comparison.
    void createRaceHistory();
    // The comparison page and the saved race's view, built on first use:
    // the page when its tab or the chart's is shown, a reference is chosen
    // or a saved race opened; the view when a saved race is opened.
    ComparePage *comparePage();
    StoredRaceView *storedView();
    void showStoredRace(const RaceHistoryEntry &entry);
    void showCurrentRace();
    // The fields above the table for the race shown: the saved race's, or
    // the current race's again.
    void showStoredFields();
    void createComPort(const rundaro::serial::DeviceFactory &factory);
    void connectPortChoice();
    // The trigger's state on LabTrigger and beside "Hardware:": no port, the
    // chosen port open, or not (`failure` says why, its number 0 when
    // unknown).
    void ShowTriggerState(const PortFailure &failure = {});
    // A device node of the watched folder has changed: a lost port whose
    // node it is is opened again, and the port list is made anew.
    void DeviceNodeChanged(const QString &name);
    // Tries to open the lost port again, off the window's thread.
    void ReopenPort();
    // The device of that try, opened or not, on the window's thread.
    void PortReopened(std::uint8_t port, rundaro::serial::OpenResult &result);
    // ComPort has opened: the contact starts from the line's state then.
    void ComPortOpen();
    // A CTS change of ComPort: in a pair, B's contacts (RTS to CTS), taken
    // to the polarity chosen for both.
    void ComPortCTS();

    // Two skaters on one clock ("Paar"): the window's clock runs the
    // common time, each skater's race is the pair's, and the commands go
    // to the skater they name (LAP and Ctrl+Z A's, Ctrl+K and
    // Ctrl+Shift+Z B's, STOP whoever still runs).
    void createPairMode();
    // Shows the pair's board or the single skater's, and has the port
    // watch B's contact on CTS (RTS on) or not.
    void showPairMode(bool on);
    // START, in a pair: both skaters start with the clock.
    void startPair();
    // `skater` passed the line now (a contact's tick while it runs the
    // command); the clock stops with the last skater's finish.
    void pairPassing(int skater);
    // Takes `skater`'s latest passing back; a finish that had stopped the
    // clock lets it run on.
    void pairUndo(int skater);
    // A contact of `contact` (0: A on DSR, 1: B on CTS) at `tick`: START
    // while no race runs, else that skater's passing; each contact has a
    // lockout of its own.
    void pairContact(int contact, std::uint32_t tick);
    // The skater a contact belongs to now: its own (A's on DSR, B's on
    // CTS), or with a contact per lane the skater due in that lane.
    std::optional<int> contactSkater(int contact) const;
    // The commands and board follow the pair's races.
    void followPair();
    // The current race's table on "Control": the lap table, or in a pair
    // each skater's.
    void showCurrentTable();
    // Takes the last passing of the clock's own record back.
    void undoLastPassing();
    // The tick a race command records: the contact's own when the trigger
    // runs the command, never before the latest passing (`passing`: LAP and
    // STOP); the tick read now for the keyboard, the buttons and the menu.
    std::uint32_t CommandTick(bool passing);
    void FormCreate();
    void FormDestroy();
    // The stored settings: reading applies each value through its control.
    void ReadSettings();
    void WriteSettings();
    // The settings are also stored when the session ends (the session
    // manager may end the program without closing the window) and when the
    // event loop is left, whatever ended it.
    void storeSettingsAtSessionEnd();
    // ... and when a race starts, so that a crash keeps the plan it ran with.
    void storeSettingsAtRaceStart();
    void applySetting(rundaro::Setting setting, std::int32_t value);
    std::int32_t settingValue(rundaro::Setting setting) const;
    // Selects the stored port and polarity in cbPort and cbAlg.
    void ShowPortChoice();
    // Lists the ports present now, each under its number; the chosen entry
    // stays chosen (and listed, also while its device is away).
    void RefreshPorts();
    void SetUpLapTable();
    // The target lap time as pTimeOneKrug shows it ("21,9", or a dash).
    QString TargetLapText() const;
    // Tag 0 and the target displays showing that there is no target.
    void ShowNoTarget();
    // Empties the result columns of every row the table holds, also of rows
    // beyond its row count.
    void ClearResults();

    // Closes one lap: LapMark holds the raw tick of the passing.
    void RecordLap();
    void SortGrid1GetCellFormat(QObject *Sender, int Col, int Row, TGridDrawState State, TFormatOptions &FormatOptions,
                                bool &CheckBox, bool &Combobox, bool &Ellipsis);
    void setLapCount(int count);
    void setPlanEditorsEnabled(bool enabled);
    // Enables a command's button and menu item together; a new face colour
    // only when given.
    void setCommand(TBitBtnWithColor *button, QAction *item, bool enabled, const QColor &face = QColor());
    // Runs the first menu item in menu order that carries `key`, if enabled.
    void resolveShortcut(int key);
    void showPlusMin(std::optional<int> shown);
    // The board at the line, while chosen, on PanelPlusMin and pTimeOneKrug
    // at tick `now`; the target lap back once the last lap's time is up.
    void showLineBoard(std::uint32_t now);
    void describeTime(int t);

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    Panel *PanelKrugov = nullptr;
    Panel *PanelPlusMin = nullptr;
    Panel *pTimeOneKrug = nullptr;
    Panel *pTimeAverSpeed = nullptr;
    QFrame *PanelTimer = nullptr;
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
    QPushButton *bExport = nullptr;
    TSortGrid *SortGrid1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    PortList *cbPort = nullptr;
    QComboBox *cbAlg = nullptr;
    QCheckBox *cbSound = nullptr;
    QComboBox *cbDisplay = nullptr;
    QCheckBox *cbLastLap = nullptr;
    QCheckBox *cbBoard = nullptr;
    QCheckBox *cbCallOuts = nullptr;
    QCheckBox *cbPair = nullptr;
    // A pair's contacts: one per skater, or one per lane at the line.
    QComboBox *cbContacts = nullptr;
    QComboBox *cbLanguage = nullptr;
    QLabel *LabTrigger = nullptr;
    QLabel *LabPortState = nullptr;
    TriggerStatus *m_triggerStatus = nullptr;

    TBitBtnWithColor *bStart = nullptr;
    TBitBtnWithColor *bLAP = nullptr;
    TBitBtnWithColor *bStop = nullptr;
    TBitBtnWithColor *bReset = nullptr;

    TDigit *Digit3 = nullptr;
    TDigit *Digit4 = nullptr;
    TDigit *Digit5 = nullptr;
    TDigit *Digit6 = nullptr;
    TDigit *Digit7 = nullptr;
    TDigit *Digit8 = nullptr;
    QLabel *LabMin = nullptr;
    QLabel *LabSec = nullptr;
    QLabel *Lab_Min = nullptr;
    QLabel *Lab_sek = nullptr;
    QLabel *Lab_100 = nullptr;

    QMenu *MainMenu1 = nullptr;
    QAction *HideMenu1 = nullptr;
    QAction *mStart = nullptr;
    QAction *mLAP = nullptr;
    QAction *mStop = nullptr;
    QAction *mReset = nullptr;
    QAction *N2 = nullptr;
    QAction *Hilfe1 = nullptr;
    QAction *Drucker1 = nullptr;
    QAction *Beenden1 = nullptr;
    QAction *mHilfe = nullptr;
    QAction *showLAP = nullptr;
    QAction *mFullScreen = nullptr;
    QAction *mUndo = nullptr;
    QAction *mAbout = nullptr;
    QAction *mRaces = nullptr;
    QAction *mResults = nullptr;
    // The items in menu order, for resolving a shortcut.
    std::array<QAction *, 15> m_menuItems{};

    QTimer *Timer1 = nullptr;
    QTimer *TimerGesperrt = nullptr;
    QTimer *TimerReconnect = nullptr;
    TComPort *ComPort = nullptr;
    FullScreenView *m_fullScreen = nullptr;
    ScreenChoice *m_screenChoice = nullptr;
    RaceCallOuts *m_callOuts = nullptr;
    RaceSounds *m_sounds = nullptr;
    LapChartPage *m_chartPage = nullptr;
    LineBoard *m_lineBoard = nullptr;
    RaceHistory *m_history = nullptr;
    PairRace *m_pair = nullptr;
    // Built when the pair mode is first chosen.
    PairBoard *m_pairBoard = nullptr;
    PairTables *m_pairTables = nullptr;
    SkaterField *m_skaterB = nullptr;
    QAction *mLapB = nullptr;
    QAction *mUndoB = nullptr;
    // Each contact's lockout in a pair (A's and B's).
    ContactLockout m_pairLockout;
    // The race running since START (or the last one, until the next) is a
    // pair's: the window's feed then stays silent, each skater's feeds
    // speak, and the mode cannot change until RESET.
    bool m_racePaired = false;
    StoredRaceView *m_storedView = nullptr;
    ComparePage *m_comparePage = nullptr;
    // The comparison's tab until its page is built.
    QWidget *m_comparePending = nullptr;
    // The current race's texts of eTimeKrug, eSpeedKrug and eSpeedSredn
    // while a saved race's stand there.
    std::optional<std::array<QString, 3>> m_currentFields;
    bool m_writingStoredFields = false;

    MainServices m_services;
    std::string m_registryKey = "\\Software\\";
    std::uint32_t m_portMask = 0;
    // No real status word matches it, so the first change always counts.
    std::uint32_t m_lastModemStatus = 0x55555555;
    // Contacts in a row that counted as short breaks (the polarity hint).
    int m_breakContacts = 0;
    // The adapter behind the port at its last open (empty: unknown).
    std::string m_portIdentity;
    // How ComPort gets its devices; the reopener opens lost ports with it.
    rundaro::serial::DeviceFactory m_deviceFactory;
    PortReopener *m_reopener = nullptr;
    // The tick of the contact whose command is running now.
    std::optional<std::uint32_t> m_contactTick;
    // The trigger that armed the lockout, and its length (0: none armed).
    std::uint32_t m_lockoutStart = 0;
    int m_lockoutMs = 0;

    double m_lapsExact = 0;
    // True while seLengthChange writes laps and extra metres together.
    bool m_holdRecompute = false;
    // True once the settings were stored as the event loop ended: nothing
    // can change them after that, so the window's end does not store them
    // again.
    bool m_settingsStoredAtQuit = false;
    std::uint32_t m_startTick = 0;
    std::int32_t m_lapMark = 0;
    std::int32_t m_prevLapMark = 0;
    std::uint32_t m_stopTick = 0;
    std::int32_t m_lapsDue = 0;
    // The set-up is fixed from START to RESET, since the editors are
    // disabled meanwhile: the tick reads it here, parsing no editor text.
    rundaro::RaceRecord m_record;
    RaceFeed *m_feed = nullptr;
    // eSpeedSredn's text at START, which undoing the first passing brings back.
    QString m_averageBeforeRace;
    // True from START until the first tick has written PanelPlusMin: its
    // Tag may still hold the previous race's value while the panel shows
    // the allowance.
    bool m_plusMinStale = false;
    // True while pTimeOneKrug shows the last lap in place of the target lap.
    bool m_targetShowsLastLap = false;
    // The whole second last announced to screen readers.
    int m_describedSecond = -1;
};
