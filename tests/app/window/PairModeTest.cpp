// Two skaters on one clock ("Paar"): START starts both, Ctrl+L takes A's
// passing and Ctrl+K B's, a skater finishes at the planned last line, the
// clock stops with the last finish, Ctrl+Z and Ctrl+Shift+Z take back A's
// and B's latest passing, and each skater's race is a race file of its own.
// With the mode off the window is as it always was.
#include "LapChartPage.h"
#include "LapColumns.h"
#include "MainWindowFixture.h"
#include "PairBoard.h"
#include "PairRace.h"
#include "Panel.h"
#include "RaceFile.h"
#include "RaceFileRead.h"
#include "SpinEdit.h"
#include "TestOutput.h"
#include "TickCount.h"
#include "TriggerFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <cmath>
#include <map>

namespace {

// The race files in `folder`, once the window's writers are done, by the
// lane their skater started in.
std::map<std::string, rundaro::StoredRace> racesByLane(const QWidget &form, const QString &folder)
{
    for (const char *name : {"RaceFileA", "RaceFileB", "RaceFile"})
        form.findChild<RaceFile *>(QString::fromLatin1(name))->flush();
    std::map<std::string, rundaro::StoredRace> races;
    const QDir dir(folder);
    for (const QString &file : dir.entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        QFile in(dir.filePath(file));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        const rundaro::RaceFileReading read = rundaro::ReadRaceFile(std::string_view(bytes.data(), bytes.size()));
        EXPECT_TRUE(read.ok()) << file.toStdString();
        races[read.race.startLane] = read.race;
    }
    return races;
}

class PairModeTest : public MainWindowFixture
{
protected:
    // 1000 m on a 400 m track: 200 m, then two laps; three passings each.
    void pairOf1000m()
    {
        child<TSpinEdit>("seLenKrug")->setValue(400);
        child<TSpinEdit>("seLength")->setValue(1000);
        child<QCheckBox>("cbPair")->setChecked(true);
    }
    // The race time of each passing of `skater` (0: A), in ms.
    std::vector<std::int32_t> passings(int skater) const
    {
        const rundaro::RaceRecord &race = form.findChild<PairRace *>()->group().Race(skater);
        std::vector<std::int32_t> times;
        for (int i = 0; i < race.Passings(); ++i)
            times.push_back(race.RaceMs(i));
        return times;
    }
};

} // namespace

// A 1000 m pair by the keys: A finishes first and the clock runs on for B;
// B's finish stops it at B's time. Each skater's board follows the skater's
// own passings; each race file holds that skater's name, start lane and
// times, and the clock's own record is written nowhere.
TEST_F(PairModeTest, APairByKeysGivesEachSkaterARaceFileAndTheClockStopsWithTheLast)
{
    pairOf1000m();
    child<QLineEdit>("eSkaterB")->setText(QStringLiteral("Berta"));
    ctrl(Qt::Key_S);
    struct Step
    {
        std::int32_t ms;
        int key; // Qt::Key_L: A, Qt::Key_K: B
    };
    for (const Step &step : {Step{18000, Qt::Key_L}, Step{18400, Qt::Key_K}, Step{47000, Qt::Key_L},
                             Step{48100, Qt::Key_K}, Step{76020, Qt::Key_L}}) {
        at(step.ms);
        ctrl(step.key);
    }
    // A has finished; the clock runs on for B, and A's passings are over.
    EXPECT_TRUE(timer()->isActive());
    EXPECT_FALSE(button("bLAP")->isEnabled());
    EXPECT_TRUE(item("mLapB")->isEnabled());
    at(77000);
    ctrl(Qt::Key_L); // refused: A has finished
    EXPECT_EQ(passings(0), (std::vector<std::int32_t>{18000, 47000, 76020}));
    tickAt(77500);
    EXPECT_EQ(panel("PairLapsToGoA")->caption(), QStringLiteral("0"));
    EXPECT_EQ(panel("PairLastLapA")->caption(), QStringLiteral("29,02"));
    // Each skater's last lap stays until that skater's next passing.
    EXPECT_EQ(panel("PairLastLapB")->caption(), QStringLiteral("29,70"));
    at(78990);
    ctrl(Qt::Key_K);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(digits(), QStringLiteral("01.18,99"));
    EXPECT_EQ(form.StopTick(), form.StartTick() + 78990);
    EXPECT_TRUE(button("bReset")->isEnabled());
    EXPECT_EQ(passings(1), (std::vector<std::int32_t>{18400, 48100, 78990}));
    EXPECT_EQ(panel("PairNameB")->caption(), QStringLiteral("Berta"));
    // "Control" shows each skater's table: the finish on the third line.
    const int raceTime = GridColumn(rundaro::LapColumn::RaceTime);
    EXPECT_EQ(child<TSortGrid>("PairGridA")->Cells(raceTime, 3), QStringLiteral("76,02"));
    EXPECT_EQ(child<TSortGrid>("PairGridB")->Cells(raceTime, 3), QStringLiteral("78,99"));
    EXPECT_FALSE(grid()->isVisibleTo(&form));

    const auto races = racesByLane(form, env.racesFolder());
    ASSERT_EQ(races.size(), 2u);
    const rundaro::StoredRace &a = races.at("innen");
    const rundaro::StoredRace &b = races.at("außen");
    EXPECT_EQ(a.raceMs, passings(0));
    EXPECT_EQ(b.raceMs, passings(1));
    EXPECT_EQ(b.skater, "Berta");
    EXPECT_EQ(a.status, "beendet");
    EXPECT_EQ(b.status, "beendet");
    EXPECT_EQ(a.start, b.start);
}

// Each skater's undo takes back that skater's latest passing alone; a
// finish taken back lets the skater and the clock run on, and STOP then
// stops whoever still runs at its own time.
TEST_F(PairModeTest, UndoPerSkaterAndStopForWhoeverStillRuns)
{
    pairOf1000m();
    ctrl(Qt::Key_S);
    for (const auto &[ms, key] : {std::pair{18000, Qt::Key_L},
                                  {18400, Qt::Key_K},
                                  {47000, Qt::Key_L},
                                  {48100, Qt::Key_K},
                                  {76000, Qt::Key_L},
                                  {78000, Qt::Key_K}}) {
        at(ms);
        ctrl(key);
    }
    ASSERT_FALSE(timer()->isActive());

    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // B's finish
    EXPECT_EQ(passings(1), (std::vector<std::int32_t>{18400, 48100}));
    EXPECT_EQ(passings(0), (std::vector<std::int32_t>{18000, 47000, 76000}));
    EXPECT_TRUE(timer()->isActive());
    EXPECT_TRUE(item("mLapB")->isEnabled());
    EXPECT_FALSE(button("bLAP")->isEnabled());
    ctrl(Qt::Key_Z); // A's finish: A runs again too
    EXPECT_EQ(passings(0), (std::vector<std::int32_t>{18000, 47000}));
    EXPECT_TRUE(button("bLAP")->isEnabled());
    // Back to the start line, and no further.
    for (int i = 0; i < 3; ++i)
        ctrl(Qt::Key_Z);
    EXPECT_TRUE(passings(0).empty());
    EXPECT_FALSE(item("mUndo")->isEnabled());

    at(90000);
    ctrl(Qt::Key_P);
    EXPECT_EQ(passings(0), (std::vector<std::int32_t>{90000}));
    EXPECT_EQ(passings(1), (std::vector<std::int32_t>{18400, 48100, 90000}));
    EXPECT_EQ(form.StopTick(), form.StartTick() + 90000);
    EXPECT_EQ(racesByLane(form, env.racesFolder()).at("innen").status, "abgebrochen");
}

// The mode off leaves the window exactly as it was: no pair board is made
// until the mode is first chosen, and choosing it and back leaves every
// control where it stood. In a pair the board takes the single board's
// place; its picture is kept for the README.
TEST_F(PairModeTest, TheModeOffLeavesTheWindowAsItWas)
{
    EXPECT_EQ(form.findChild<PairBoard *>(), nullptr);
    const char *const names[] = {"PanelBig", "Panel5", "PanelControl", "PanelTimer", "bStart", "pTimeOneKrug"};
    auto geometries = [&] {
        std::vector<QRect> rects;
        for (const char *name : names)
            rects.push_back(QRect(child(name)->mapTo(&form, QPoint()), child(name)->size()));
        return rects;
    };
    const std::vector<QRect> before = geometries();
    const QRect bigPanel = before.front();
    pairOf1000m();
    QApplication::processEvents();
    auto *board = child<PairBoard>("PairBoard");
    EXPECT_EQ(QRect(board->mapTo(&form, QPoint()), board->size()), bigPanel);
    EXPECT_FALSE(child("PanelBig")->isVisible());
    child<QLineEdit>("eSkaterB")->setText(QStringLiteral("Berta"));
    ctrl(Qt::Key_S);
    at(18000);
    ctrl(Qt::Key_L);
    at(18600);
    ctrl(Qt::Key_K);
    tickAt(19000);
    saveTestPng(&form, QStringLiteral("pair_inline"));
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_0);

    child<QCheckBox>("cbPair")->setChecked(false);
    QApplication::processEvents();
    EXPECT_FALSE(board->isVisible());
    EXPECT_EQ(geometries(), before);
}

// With "Ansage" on, each skater's passing is called out once, under the
// skater's name, or the letter while unnamed.
TEST_F(PairModeTest, CallOutsNameTheirSkater)
{
    pairOf1000m();
    child<QCheckBox>("cbCallOuts")->setChecked(true);
    child<QLineEdit>("eSkaterB")->setText(QStringLiteral("Berta"));
    ctrl(Qt::Key_S);
    at(18000);
    ctrl(Qt::Key_L);
    at(18600);
    ctrl(Qt::Key_K);
    ASSERT_EQ(env.speech->said.size(), 2u);
    EXPECT_TRUE(env.speech->said[0].first.starts_with("A: 18,0")) << env.speech->said[0].first;
    EXPECT_TRUE(env.speech->said[1].first.starts_with("Berta: 18,6")) << env.speech->said[1].first;
}

// The chart of a pair: the first skater's laps and gap at each line, and the
// second skater's gaps as the second line, each line named after its skater
// (the letter while unnamed). The lines are due at 67.2 s and 198.6 s.
TEST_F(PairModeTest, TheChartShowsBothSkatersGaps)
{
    pairOf1000m();
    child<QLineEdit>("eSkaterB")->setText(QStringLiteral("Berta"));
    ctrl(Qt::Key_S);
    for (const auto &[ms, key] : {std::pair{18000, Qt::Key_L}, {18600, Qt::Key_K}, {47000, Qt::Key_L}}) {
        at(ms);
        ctrl(key);
    }
    auto *page = child<LapChartPage>("TabSheet4");
    child<QTabWidget>("PageControl1")->setCurrentWidget(page);
    QCoreApplication::processEvents();
    QWidget *chart = page->findChild<QWidget *>(QStringLiteral("LapChart"));
    ASSERT_NE(chart, nullptr);
    auto gaps = [chart](const char *name) {
        QList<QPointF> points;
        EXPECT_TRUE(QMetaObject::invokeMethod(chart, "linePoints", Q_RETURN_ARG(QList<QPointF>, points),
                                              Q_ARG(QString, QString::fromUtf8(name))));
        std::vector<double> seconds;
        for (const QPointF &point : points)
            seconds.push_back(std::round(point.y() * 100) / 100);
        return seconds;
    };
    EXPECT_EQ(gaps("A"), (std::vector<double>{49.2, 151.6}));
    EXPECT_EQ(gaps("B: Berta"), (std::vector<double>{48.6}));
    saveTestPng(page, QStringLiteral("pair_chart"));
}

namespace {

class PairContactsTest : public TriggerFixture
{
protected:
    // A 1000 m pair, the port open and the pair mode chosen with `contacts`.
    void startPair(int contacts)
    {
        env.ports = {1};
        env.storeValues({{"Port", 1},
                         {"Alg", 0},
                         {"Left", 0},
                         {"Top", 0},
                         {"Width", 708},
                         {"Height", 483},
                         {"Len", 1000},
                         {"LenDop", 200},
                         {"LenKrug", 400}});
        start();
        child<QCheckBox>("cbPair")->setChecked(true);
        pick(child<QComboBox>("cbContacts"), contacts);
        ASSERT_TRUE(comPort()->Connected());
    }
    struct Step
    {
        std::uint32_t ms;
        std::uint32_t status;
    };
    // Runs the steps on the race clock, their times from the first step of
    // the race (its START's contact).
    void run(std::initializer_list<Step> steps)
    {
        if (steps.begin()->ms == 0)
            m_t0 = clock.value();
        for (const Step &step : steps) {
            clock.set(m_t0 + step.ms);
            lines(step.status);
        }
        EXPECT_EQ(form->StartTick(), m_t0);
    }
    // Each skater's laps to go on the pair's board.
    QStringList lapsToGo() const
    {
        return {child<Panel>("PairLapsToGoA")->caption(), child<Panel>("PairLapsToGoB")->caption()};
    }
    std::uint32_t m_t0 = 0;
    // The contacts' lines stand at `status` (DSR and CTS bits); returns when
    // the window has had the port's report of it.
    void lines(std::uint32_t status)
    {
        awaitWatching();
        env.line->SetModemStatus(status);
        ASSERT_TRUE(PumpUntil([&] { return comPort()->Report().modemStatus == status; }));
    }
    std::vector<std::int32_t> passings(int skater) const
    {
        const rundaro::RaceRecord &race = form->findChild<PairRace *>()->group().Race(skater);
        std::vector<std::int32_t> times;
        for (int i = 0; i < race.Passings(); ++i)
            times.push_back(rundaro::TickDiff(race.PassingTick(i), race.StartTick()));
        return times;
    }
};

} // namespace

// A pair by two contacts on one adapter: A between DTR and DSR, B between RTS
// and CTS, which the pair mode switches on (the port opens again with it).
// Either contact starts both skaters and locks both out; after that each
// contact is locked out alone, from its own contact's stamp.
TEST_F(PairContactsTest, TwoContactsEachLockedOutAlone)
{
    startPair(0);
    EXPECT_EQ(comPort()->Events(), TEvents({TComPort::evCTS, TComPort::evDSR}));
    EXPECT_TRUE(comPort()->EnableRTS());
    // DSR starts; CTS 400 ms later is in the start's lockout. A at 18 s, B
    // 300 ms after A (A's lockout is not B's), B again 500 ms later: locked.
    run({{0, kMsDsr},
         {400, kMsDsr | kMsCts},
         {600, 0},
         {18000, kMsDsr},
         {18300, kMsDsr | kMsCts},
         {18600, kMsDsr},
         {18800, kMsDsr | kMsCts},
         {19000, 0},
         {19400, kMsCts}});
    EXPECT_EQ(passings(0), (std::vector<std::int32_t>{18000}));
    EXPECT_EQ(passings(1), (std::vector<std::int32_t>{18300, 19400}));
}

// A contact per lane at the line (DSR inner, CTS outer): the skaters change
// lanes every lap, so each lane's passings alternate between them. A starts
// inner, B outer; with the crossing before the first line both have changed
// once when they first reach it.
TEST_F(PairContactsTest, LaneContactsAlternateBetweenTheSkaters)
{
    const std::vector<std::int32_t> first{18000, 47000, 76000};
    const std::vector<std::int32_t> second{18300, 47400, 76500};
    struct Case
    {
        int contacts;
        std::vector<std::int32_t> a, b;
    };
    for (const Case &c : {Case{1, first, second}, Case{2, second, first}}) {
        SCOPED_TRACE(c.contacts);
        startPair(c.contacts);
        // Inner lane at 18 s, outer at 18.3; then outer first, then inner
        // first: the one in front at each line is in the other lane.
        // Both boards at every line, once both skaters have passed it.
        run({{0, kMsDsr}, {600, 0}, {18000, kMsDsr}, {18300, kMsDsr | kMsCts}, {18600, 0}});
        EXPECT_EQ(lapsToGo(), QStringList({QStringLiteral("2"), QStringLiteral("2")}));
        run({{47000, kMsCts}, {47400, kMsDsr}, {47800, 0}});
        EXPECT_EQ(lapsToGo(), QStringList({QStringLiteral("1"), QStringLiteral("1")}));
        run({{76000, kMsDsr}, {76500, kMsDsr | kMsCts}});
        EXPECT_EQ(lapsToGo(), QStringList({QStringLiteral("0"), QStringLiteral("0")}));
        EXPECT_EQ(passings(0), c.a);
        EXPECT_EQ(passings(1), c.b);
        EXPECT_FALSE(enabled("bStop")); // both finished, the clock stopped
        const auto races = racesByLane(*form, env.racesFolder());
        EXPECT_EQ(races.at("innen").raceMs, c.a);
        EXPECT_EQ(races.at("außen").raceMs, c.b);
        exit();
        env.line = rundaro::serial::SimulatedLine::Create();
        QDir(env.racesFolder()).removeRecursively();
    }
}
