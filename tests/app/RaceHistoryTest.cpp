#include "RaceHistory.h"
#include "ComparePage.h"
#include "EventPump.h"
#include "FullScreenView.h"
#include "MainWindowFixture.h"
#include "RaceFile.h"
#include "RaceHistoryDialog.h"
#include "RaceSheet.h"
#include "RaceSheetTexts.h"
#include "StoredRaceView.h"
#include "TestOutput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace {

// 3000 m on the 200 m track: 15 laps, 5:30, allowance 1,5 s.
const rundaro::RaceSetup k3000{{15, 21900, 1.5L, 0, 200, "21,9", "32,88"}, 3000, 330};

class RaceHistoryTest : public MainWindowFixture
{
protected:
    RaceHistoryTest()
    {
        env.now = QDateTime(QDate(2024, 5, 8), QTime(18, 0, 0));
        QDir().mkpath(env.racesFolder());
    }

    // A finished 3000 m whose laps all take `lapMs` after a first of `firstMs`.
    void saveRace(const QString &name, const std::string &skater, std::int32_t firstMs, std::int32_t lapMs)
    {
        rundaro::RaceRecord race;
        race.SetSkater(skater);
        race.Start(k3000, 0);
        for (int lap = 0; lap < 15; ++lap)
            race.AddPassing(std::uint32_t(firstMs + lap * lapMs), lap == 14);
        const QString date = name.left(10);
        const std::string csv = rundaro::RaceCsv(
            rundaro::MakeRaceSheet(race, (date.mid(8, 2) + u'.' + date.mid(5, 2) + u'.' + date.left(4)).toStdString(),
                                   name.mid(11, 8).replace(u'-', u':').toStdString(), ","),
            LapTableHeaders());
        save(name, QByteArray::fromStdString(csv));
    }
    void save(const QString &name, const QByteArray &bytes)
    {
        QFile file(QDir(env.racesFolder()).filePath(name + QStringLiteral(".csv")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray content(const QString &name) const
    {
        QFile file(QDir(env.racesFolder()).filePath(name + QStringLiteral(".csv")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    RaceHistoryDialog *openHistory()
    {
        ctrl(Qt::Key_O);
        auto *dialog = form.findChild<RaceHistoryDialog *>();
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(PumpUntil([&] { return history().isComplete(); }));
        return dialog;
    }
    RaceHistory &history() const { return *form.findChild<RaceHistory *>(); }
    QString listed(int row, int column) const { return history().model().index(row, column).data().toString(); }
};

} // namespace

// The folder's races newest first, unreadable files with their reason; a
// race opened shows in place of the lap table while the current race goes
// on, and one command brings the current race back.
TEST_F(RaceHistoryTest, ListsOpensAndGoesBackWhileTheRaceRuns)
{
    saveRace(QStringLiteral("2024-05-01_10-00-00"), "Anna", 23400, 21800); // 5:28,60
    saveRace(QStringLiteral("2024-05-02_10-00-00"), "Anna", 23000, 21700); // 5:26,80: her best
    saveRace(QStringLiteral("2024-05-03_10-00-00"), "Jan", 22000, 21000);
    saveRace(QStringLiteral("2024-05-04_10-00-00"), "", 23000, 22000);
    QByteArray old = content(QStringLiteral("2024-05-04_10-00-00"));
    old.replace("L\xc3\xa4ufer;\r\n", "");
    save(QStringLiteral("2024-05-05_10-00-00"), old);
    save(QStringLiteral("2024-05-06_10-00-00"), old.left(old.size() / 2));
    save(QStringLiteral("2024-05-07_10-00-00"), "Hallo Welt\n");

    RaceHistoryDialog *dialog = openHistory();
    ASSERT_NE(dialog, nullptr);
    struct Row
    {
        const char *date;
        const char *skater;
        const char *finalTime;
        const char *status;
    };
    const Row rows[] = {
        {"2024-05-07_10-00-00.csv", "", "", "keine Renndatei"},
        {"2024-05-06_10-00-00.csv", "", "", "unvollständig"},
        {"04.05.2024", "", "5:31,00", "beendet"}, // the old format, unnamed
        {"04.05.2024", "", "5:31,00", "beendet"},
        {"03.05.2024", "Jan", "5:16,00", "beendet"},
        {"02.05.2024", "Anna", "5:26,80", "beendet"},
        {"01.05.2024", "Anna", "5:28,60", "beendet"},
    };
    ASSERT_EQ(history().model().size(), int(std::size(rows)));
    for (int i = 0; i < int(std::size(rows)); ++i) {
        EXPECT_EQ(listed(i, RaceHistoryModel::Date), QString::fromUtf8(rows[i].date)) << i;
        EXPECT_EQ(listed(i, RaceHistoryModel::Skater), QString::fromUtf8(rows[i].skater)) << i;
        EXPECT_EQ(listed(i, RaceHistoryModel::FinalTime), QString::fromUtf8(rows[i].finalTime)) << i;
        EXPECT_EQ(listed(i, RaceHistoryModel::Status), QString::fromUtf8(rows[i].status)) << i;
    }
    dialog->resize(760, 300);
    saveTestPng(dialog, QStringLiteral("race-history"));
    auto *skaters = dialog->findChild<QComboBox *>(QStringLiteral("cbHistorySkater"));
    skaters->setCurrentText(QStringLiteral("Anna"));
    EXPECT_EQ(dialog->view()->model()->rowCount(), 2);

    // A race runs; Anna's last week's race is opened meanwhile. The race's
    // keys work while the list has the keyboard.
    child<QLineEdit>("eSkater")->setText(QStringLiteral("Anna"));
    QTest::keyClick(dialog->view(), Qt::Key_S, Qt::ControlModifier);
    at(23500);
    QTest::keyClick(dialog->view(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(form.LapCount(), 1);
    dialog->close();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    dialog->view()->setCurrentIndex(dialog->view()->model()->index(1, 0));
    dialog->findChild<QPushButton *>(QStringLiteral("bHistoryOpen"))->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto *stored = child<StoredRaceView>("StoredRaceView");
    EXPECT_TRUE(stored->isVisible());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(stored->marker().startsWith(QStringLiteral("Gespeichertes Rennen vom 01.05.2024, Start 10:00:00")))
        << stored->marker().toStdString();
    EXPECT_EQ(stored->grid()->Cells(6, 16), QStringLiteral("328,60"));
    // The clock and its commands go on untouched, into the current race's table.
    at(45000);
    ctrl(Qt::Key_L);
    EXPECT_EQ(form.LapCount(), 2);
    EXPECT_EQ(cell(6, 3), QStringLiteral("45,00"));
    EXPECT_EQ(stored->grid()->Cells(6, 3), QStringLiteral("45,20"));
    saveTestPng(&form, QStringLiteral("race-opened"));

    // Against her best, lap by lap.
    auto *compare = child<ComparePage>("ComparePage");
    form.findChild<QTabWidget *>()->setCurrentWidget(compare);
    compare->setStored(nullptr); // the current race
    auto *table = compare->table();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("-0,50"));
    EXPECT_EQ(table->item(1, 3)->text(), QStringLiteral("-0,30"));
    // Typing a name leaves the race's keys to the race.
    child<QLineEdit>("eSkater")->setFocus();
    at(60000);
    ctrl(Qt::Key_L);
    EXPECT_EQ(form.LapCount(), 3);
    ctrl(Qt::Key_Z);
    EXPECT_EQ(form.LapCount(), 2);
    EXPECT_EQ(child<QLineEdit>("eSkater")->text(), QStringLiteral("Anna"));
    at(66000);
    ctrl(Qt::Key_L);
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(2, 3)->text(), QStringLiteral("+0,40"));
    EXPECT_EQ(table->item(2, 3)->foreground().color(), QColor(0, 128, 0));
    // On request, the full-screen display shows it in place of the schedule's.
    auto *fullScreen = child<FullScreenView>("FullScreenView");
    fullScreen->enter();
    // The window's panel follows the clock at the window's tick, the full
    // screen at its own refresh: both at the clock's one moment, however
    // late or early the real timer fires.
    form.Timer1Timer();
    fullScreen->refresh();
    EXPECT_EQ(fullScreen->aheadBehindShown(), child<Panel>("PanelPlusMin")->caption());
    compare->fullScreenSwitch()->setChecked(true);
    EXPECT_EQ(fullScreen->aheadBehindShown(), QStringLiteral("+0,40"));
    compare->fullScreenSwitch()->setChecked(false);
    EXPECT_EQ(fullScreen->aheadBehindShown(), child<Panel>("PanelPlusMin")->caption());
    fullScreen->leave();
    saveTestPng(compare, QStringLiteral("race-comparison"));

    stored->findChild<QPushButton *>(QStringLiteral("bCurrentRace"))->click();
    EXPECT_FALSE(stored->isVisible());
    form.findChild<QTabWidget *>()->setCurrentWidget(form.findChild<QWidget *>(QStringLiteral("TabSheet2")));
    EXPECT_TRUE(grid()->isVisible());

    // The name goes into the race's file.
    child<RaceFile>("RaceFile")->flush();
    const QString file = child<RaceFile>("RaceFile")->path();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << file.toStdString();
    EXPECT_TRUE(written.readAll().contains("Status;l\xc3\xa4uft\r\nL\xc3\xa4ufer;Anna\r\n"));
}

// The name and "Rennen…" sit in the tab bar's free corner: every page keeps
// the place and size it has without them.
TEST_F(RaceHistoryTest, TheCornerMovesNoPage)
{
    auto *tabs = child<QTabWidget>("PageControl1");
    QWidget *page = child<QWidget>("TabSheet2");
    tabs->setCurrentWidget(page);
    QApplication::processEvents();
    const QRect withCorner = page->geometry();
    QWidget *corner = tabs->cornerWidget(Qt::TopRightCorner);
    ASSERT_NE(corner, nullptr);
    tabs->setCornerWidget(nullptr, Qt::TopRightCorner);
    corner->hide();
    tabs->resize(tabs->width() + 1, tabs->height());
    tabs->resize(tabs->width() - 1, tabs->height());
    QApplication::processEvents();
    EXPECT_EQ(page->geometry(), withCorner);
}
