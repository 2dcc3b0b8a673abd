#include "Main.h"

#include "Application.h"
#include "Comms.h"
#include "FlEdit.h"
#include "Fonts.h"
#include "RaceFeed.h"
#include "SettingsOrder.h"
#include "SpinEdit.h"

#include <QApplication>

TFormMain::TFormMain(QWidget *parent)
    : TFormMain(MainServices(), parent)
{
}

TFormMain::TFormMain(MainServices services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services.Resolved())
{
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(tr("Rundaro ver 1.0"));
    setFont(WindowFont(QStringLiteral("MS Sans Serif"), 11, false));
    move(251, 245);
    resize(708, 483);
    setMinimumSize(708, 440);
    createWidgets();
    createMainMenu();
    createRaceTimer();
    createComPort(m_services.DeviceFactory);
    connectPortChoice();
    connectPlanEditors();
    connectCommands();
    connectLapTable();
    connectUndo();
    createFeed();
    createRaceFeatures();
    describeForScreenReaders();
    createTrackSide();
    createRaceHistory();
    createPairMode();
    FormResize(this);
    // Applying the allowance's value, as at the end of loading a form,
    // runs seDopTimeChange once.
    seDopTime->endLoading();
    FormCreate();
    storeSettingsAtSessionEnd();
    storeSettingsAtRaceStart();
}

TFormMain::~TFormMain()
{
    // Nothing may leave a destructor: a failure to store the settings goes
    // to the general error report.
    try {
        FormDestroy();
    } catch (...) {
        Application::showException(std::current_exception());
    }
    // When FormDestroy failed the port is still open; it is closed here,
    // before the controls a late DSR event would reach are gone.
    ComPort->OnDSR = nullptr;
    ComPort->OnCTS = nullptr;
    ComPort->OnLost = nullptr;
    ComPort->OnException = nullptr;
    ComPort->Close();
}

void TFormMain::createFeed()
{
    m_feed = new RaceFeed(
        m_record, [this] { return PlanInForce(); }, this);
    // A pair's race is followed through each skater's feed; the window's
    // own record then holds the common clock alone, which nothing follows.
    connect(this, &TFormMain::raceStarted, m_feed, [this] {
        if (!m_racePaired)
            emit m_feed->raceStarted();
    });
    connect(this, &TFormMain::passingRecorded, m_feed, [this](int index) {
        if (!m_racePaired)
            emit m_feed->passingRecorded(index);
    });
    connect(this, &TFormMain::passingUndone, m_feed, [this](int index) {
        if (!m_racePaired)
            emit m_feed->passingUndone(index);
    });
    connect(this, &TFormMain::raceStopped, m_feed, [this] {
        if (!m_racePaired)
            emit m_feed->raceStopped();
    });
    connect(this, &TFormMain::raceReset, m_feed, [this] {
        if (!m_racePaired)
            emit m_feed->raceReset();
    });
}

void TFormMain::connectPlanEditors()
{
    auto bind = [this](auto *editor, void (TFormMain::*handler)(QObject *)) {
        editor->OnChange = [this, handler](QObject *sender) {
            (this->*handler)(sender);
            // Whatever shows the plan in force follows it.
            if (m_feed)
                emit m_feed->planChanged();
        };
    };
    bind(seLength, &TFormMain::seLengthChange);
    bind(seLenKrug, &TFormMain::seLenKrugChange);
    bind(seKrugov, &TFormMain::seKrugovChange);
    bind(seLengthDop, &TFormMain::seKrugovChange);
    bind(seMin, &TFormMain::seMinChange);
    bind(seSek, &TFormMain::seMinChange);
    bind(seTime, &TFormMain::seTimeChange);
    bind(seDopTime, &TFormMain::seDopTimeChange);
    // A number being typed is no plan yet: typed text takes effect when the
    // input is complete, so that "5000" never passes through 5, 50 and 500.
    for (TSpinEdit *editor : {seLength, seLenKrug, seKrugov, seLengthDop, seMin, seSek, seTime})
        editor->setHoldTyping(true);
    seDopTime->setHoldTyping(true);
    seDopTime->OnEnterPress = [this](QObject *, QChar &) { seDopTime->applyTyping(); };
}

void TFormMain::applyTypedPlan()
{
    for (TSpinEdit *editor : {seLength, seLenKrug, seKrugov, seLengthDop, seMin, seSek, seTime})
        editor->applyTyping();
    seDopTime->applyTyping();
}

void TFormMain::FormCreate()
{
    // The application title; not a display name, which Qt would append to
    // the window's own caption.
    QApplication::setApplicationName(QStringLiteral("Rundaro"));
    m_registryKey = rundaro::RegistryKeyFor(QCoreApplication::applicationFilePath().toStdString());
    move(0, 0);
    ReadSettings();
    SetUpLapTable();
    ScanPorts();
    // A stored port that cannot be opened now simply stays closed: no
    // message at start. It shows as lost, with why and what to do, and opens
    // by itself once its device is there.
    PortFailure failure;
    if (ComPort->Port() != 0) {
        try {
            ComPort->Open();
        } catch (const EComError &e) {
            failure = PortFailure::of(e);
        } catch (const std::exception &) {
        }
    }
    ShowTriggerState(failure);
    seDopTime->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Recompute();
    ShowPortChoice();
    seLength->setFocus();
}

void TFormMain::FormDestroy()
{
    if (!m_settingsStoredAtQuit)
        WriteSettings();
    ComPort->Close();
}
