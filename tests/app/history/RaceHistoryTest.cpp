#include "RaceHistory.h"
#include "ComparePage.h"
#include "EventPump.h"
#include "FullScreenView.h"
#include "MainWindowFixture.h"
#include "RaceFile.h"
#include "RaceHistoryDialog.h"
#include "RaceHistoryReader.h"
#include "RaceResultsCsv.h"
#include "RaceResultsDialog.h"
#include "RaceResultsModel.h"
#include "RaceResultsPrint.h"
#include "RaceSheet.h"
#include "RaceSheetGrid.h"
#include "RaceSheetTexts.h"
#include "SpinEdit.h"
#include "StoredRaceView.h"
#include "TestOutput.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringListModel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

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

    // A 3000 m whose laps all take `lapMs` after a first of `firstMs`,
    // stopped at its `passings`th passing (finished at the 15th).
    void saveRace(const QString &name, const std::string &skater, std::int32_t firstMs, std::int32_t lapMs,
                  int passings = 15)
    {
        rundaro::RaceRecord race;
        race.SetSkater(skater);
        race.Start(k3000, 0);
        for (int lap = 0; lap < passings; ++lap)
            race.AddPassing(std::uint32_t(firstMs + lap * lapMs), lap + 1 == passings);
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
    tickAt(66000); // the window's panel as the race clock's next tick leaves it
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

// The skater's field completes the names of the saved races, in the field
// itself, from the first time it has the keyboard.
TEST_F(RaceHistoryTest, TheSkatersFieldCompletesSavedNames)
{
    saveRace(QStringLiteral("2024-05-01_10-00-00"), "Annika", 23400, 21800);
    auto *field = child<QLineEdit>("eSkater");
    field->setFocus();
    ASSERT_TRUE(PumpUntil([&] { return history().isComplete(); }));
    QTest::keyClicks(field, QStringLiteral("ann"));
    EXPECT_EQ(field->text().toLower(), QStringLiteral("annika"));
    EXPECT_EQ(field->selectedText().toLower(), QStringLiteral("ika"));
}

// "Ergebnisse" (Ctrl+R): the newest day's races, newest first, with the
// skater's best of the day and new personal bests; a race removed goes into
// "gelöscht" beside the races, unchanged, and comes back the same; a name
// corrected changes that one line of the file; the CSV holds the figures a
// spreadsheet reads as numbers, the printout one page.
TEST_F(RaceHistoryTest, ResultsOfADayWithARemovedAndRestoredRace)
{
    saveRace(QStringLiteral("2024-05-07_10-00-00"), "Anna", 23400, 21800); // 5:28,60
    saveRace(QStringLiteral("2024-05-08_09-00-00"), "Anna", 23000, 21900); // 5:29,60
    saveRace(QStringLiteral("2024-05-08_09-30-00"), "Anna", 23000, 21000, 5); // a fall: no best
    saveRace(QStringLiteral("2024-05-08_10-00-00"), "Anna", 23000, 21700); // 5:26,80: her best
    saveRace(QStringLiteral("2024-05-08_11-00-00"), "Jan", 22000, 21000); // 5:16,00
    const QByteArray annasBest = content(QStringLiteral("2024-05-08_10-00-00"));
    const QByteArray jans = content(QStringLiteral("2024-05-08_11-00-00"));

    ctrl(Qt::Key_R);
    auto *dialog = form.findChild<RaceResultsDialog *>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return dialog->isReady(); }));
    EXPECT_EQ(dialog->findChild<QComboBox *>(QStringLiteral("cbResultsDay"))->currentText(),
              QStringLiteral("08.05.2024"));

    struct Row
    {
        const char *start, *skater, *finalTime, *status, *dayBest, *personalBest;
    };
    using Stage = std::vector<Row>;
    const RaceResultsModel &model = dialog->model();
    auto check = [&](const Stage &rows, const char *stage) {
        ASSERT_TRUE(PumpUntil([&] { return dialog->isReady(); })) << stage;
        ASSERT_EQ(model.size(), int(rows.size())) << stage;
        for (int i = 0; i < model.size(); ++i) {
            const Row &row = rows[std::size_t(i)];
            const char *expected[] = {row.start, row.skater, row.finalTime, row.status, row.dayBest, row.personalBest};
            const int columns[] = {RaceResultsModel::Start,  RaceResultsModel::Skater,  RaceResultsModel::FinalTime,
                                   RaceResultsModel::Status, RaceResultsModel::DayBest, RaceResultsModel::PersonalBest};
            for (std::size_t c = 0; c < std::size(columns); ++c)
                EXPECT_EQ(model.index(i, columns[c]).data().toString(), QString::fromUtf8(expected[c]))
                    << stage << " row " << i << " column " << columns[c];
        }
    };
    const Stage whole = {
        {"11:00:00", "Jan", "5:16,00", "beendet", "5:16,00", "neu"},
        {"10:00:00", "Anna", "5:26,80", "beendet", "5:26,80", "neu"},
        {"09:30:00", "Anna", "1:47,00", "abgebrochen", "5:26,80", ""},
        {"09:00:00", "Anna", "5:29,60", "beendet", "5:26,80", ""},
    };
    check(whole, "read");
    dialog->resize(760, 300);
    const QString picture = saveTestPng(dialog, QStringLiteral("race-results"));

    const QString removed
        = QDir(env.racesFolder()).filePath(QStringLiteral("../gel\u00f6scht/2024-05-08_10-00-00.csv"));
    QString error;
    ASSERT_TRUE(dialog->removeRace(1, error)) << error.toStdString();
    EXPECT_TRUE(content(QStringLiteral("2024-05-08_10-00-00")).isEmpty());
    QFile moved(removed);
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), annasBest);
    moved.close();
    check({{"11:00:00", "Jan", "5:16,00", "beendet", "5:16,00", "neu"},
           {"09:30:00", "Anna", "1:47,00", "abgebrochen", "5:29,60", ""},
           {"09:00:00", "Anna", "5:29,60", "beendet", "5:29,60", ""},
           {"10:00:00", "Anna", "5:26,80", "entfernt", "", ""}},
          "removed");
    EXPECT_FALSE(dialog->restoreRace(0, error)); // not a removed race

    ASSERT_TRUE(dialog->restoreRace(3, error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(removed));
    EXPECT_EQ(content(QStringLiteral("2024-05-08_10-00-00")), annasBest);
    check(whole, "restored");

    // A name with a separator, a quote-free formula start: one line changes.
    ASSERT_TRUE(dialog->correctName(0, QStringLiteral("  =Jana; J.\n"), error)) << error.toStdString();
    QByteArray renamed = jans;
    renamed.replace("L\xc3\xa4ufer;Jan\r\n", "L\xc3\xa4ufer;=Jana; J.\r\n");
    EXPECT_EQ(content(QStringLiteral("2024-05-08_11-00-00")), renamed);
    ASSERT_TRUE(PumpUntil([&] { return dialog->isReady(); }));
    EXPECT_TRUE(history().names()->stringList().contains(QStringLiteral("=Jana; J.")));

    EXPECT_EQ(RaceResultsCsv(model),
              QByteArray("\xEF\xBB\xBF"
                         "Datum;Start;L\xc3\xa4ufer;Strecke (m);Endzeit (s);Status;Tagesbeste (s);Neue Bestzeit\r\n"
                         "08.05.2024;11:00:00;\"'=Jana; J.\";3000;316,00;beendet;316,00;ja\r\n"
                         "08.05.2024;10:00:00;Anna;3000;326,80;beendet;326,80;ja\r\n"
                         "08.05.2024;09:30:00;Anna;3000;107,00;abgebrochen;326,80;\r\n"
                         "08.05.2024;09:00:00;Anna;3000;329,60;beendet;326,80;\r\n"));
    // Seconds cut off to hundredths, never rounded up.
    const std::pair<std::int32_t, const char *> seconds[]
        = {{0, "0,00"}, {59999, "59,99"}, {316009, "316,00"}, {3723450, "3723,45"}};
    for (const auto &[ms, text] : seconds)
        EXPECT_EQ(SecondsText(ms), QString::fromUtf8(text)) << ms;

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    ASSERT_TRUE(PrintRaceResults(writer, model));
    // Beside the window's pictures, for a person to look at.
    QFile printed(QFileInfo(picture).dir().filePath(QStringLiteral("race-results.pdf")));
    if (printed.open(QIODevice::WriteOnly))
        printed.write(pdf.data());
    const QString pdfText = QString::fromLatin1(pdf.data());
    EXPECT_EQ(pdfText.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
}

// A race day as a coach runs it: the next skater's name is typed after STOP
// or after the reset, and every race stays under its own name on disk. A
// race stopped before its distance is written "abgebrochen", listed greyed
// and never the best time, while the race just finished is offered at once.
TEST_F(RaceHistoryTest, ARaceDayKeepsEachRaceUnderItsOwnSkater)
{
    RaceHistoryDialog *dialog = openHistory();
    ASSERT_NE(dialog, nullptr);
    dialog->close();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto *field = child<QLineEdit>("eSkater");
    auto type = [&](const char *name) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromUtf8(name));
    };
    struct Race
    {
        const char *skater;
        int passings; // 15: the whole 3000 m
        int lapMs;
        const char *status;
        bool nextNameBeforeReset; // the next name typed right after STOP
    };
    const Race day[] = {
        {"Anna", 15, 22000, "beendet", true},
        {"Jan", 15, 21000, "beendet", false},
        {"Eva", 3, 23000, "abgebrochen", true}, // a fall
        {"Anna", 2, 21000, "abgebrochen", false}, // faster than her best, but stopped
    };
    QStringList paths;
    type(day[0].skater);
    for (int r = 0; r < int(std::size(day)); ++r) {
        const Race &race = day[r];
        env.now = QDateTime(QDate(2024, 5, 8), QTime(9, r, 0));
        clock.set(kStart + std::uint32_t(r) * 1000000);
        ctrl(Qt::Key_S);
        for (int p = 1; p <= race.passings; ++p) {
            at(p * race.lapMs);
            ctrl(p == race.passings ? Qt::Key_P : Qt::Key_L);
        }
        ASSERT_TRUE(form.Race().IsStopped()) << r;
        child<RaceFile>("RaceFile")->flush();
        paths << child<RaceFile>("RaceFile")->path();
        const char *next = day[(r + 1) % std::size(day)].skater;
        if (race.nextNameBeforeReset)
            type(next);
        ctrl(Qt::Key_0);
        if (!race.nextNameBeforeReset)
            type(next);
        child<RaceFile>("RaceFile")->flush();
    }
    for (int r = 0; r < int(std::size(day)); ++r) {
        QFile file(paths[r]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << r;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.contains(QByteArray("\r\nL\xc3\xa4ufer;") + day[r].skater + "\r\n")) << r;
        EXPECT_TRUE(bytes.contains(QByteArray("\r\nStatus;") + day[r].status + "\r\n")) << r;
        const int row = history().model().rowOf(paths[r]);
        ASSERT_GE(row, 0) << "learnt as written: " << r;
        EXPECT_EQ(listed(row, RaceHistoryModel::Status), QString::fromUtf8(day[r].status)) << r;
        EXPECT_EQ(history().model().index(row, RaceHistoryModel::Status).data(Qt::ForegroundRole).isValid(),
                  std::string_view(day[r].status) == "abgebrochen")
            << "greyed when stopped early: " << r;
    }
    // Anna's best is her whole race of this morning, not the stopped one.
    auto *tabs = form.findChild<QTabWidget *>();
    tabs->setCurrentIndex(tabs->count() - 1); // "Vergleich"
    auto *compare = child<ComparePage>("ComparePage");
    ASSERT_EQ(tabs->currentWidget(), compare);
    auto *references = compare->findChild<QComboBox *>(QStringLiteral("cbReference"));
    EXPECT_EQ(references->itemText(0), QStringLiteral("Bestzeit: 08.05.2024 09:00:00 \u2013 Anna \u2013 5:30,00"));
    EXPECT_EQ(references->count(), 3); // her best, then both whole races of the day
}

// A reference chosen before START stays for the race and the ones after it;
// before a race's first passing its lines stand alone, and a plan of
// another distance is named on the page.
TEST_F(RaceHistoryTest, AChosenReferenceIsKeptAcrossTheReset)
{
    saveRace(QStringLiteral("2024-05-01_10-00-00"), "Jan", 23400, 21800); // 5:28,60
    RaceHistoryDialog *dialog = openHistory();
    ASSERT_NE(dialog, nullptr);
    dialog->view()->setCurrentIndex(dialog->view()->model()->index(0, 0));
    dialog->findChild<QPushButton *>(QStringLiteral("bHistoryCompare"))->click();
    dialog->close();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto *compare = child<ComparePage>("ComparePage");
    auto *table = compare->table();
    auto *references = compare->findChild<QComboBox *>(QStringLiteral("cbReference"));
    const QString chosen = QStringLiteral("01.05.2024 10:00:00 \u2013 Jan \u2013 5:28,60");
    auto showsReferenceAlone = [&] {
        return references->itemText(0) == chosen && table->rowCount() == 15 && table->item(0, 1)->text().isEmpty()
            && table->item(0, 2)->text() == QStringLiteral("0:23,40")
            && table->item(14, 2)->text() == QStringLiteral("5:28,60");
    };
    EXPECT_TRUE(showsReferenceAlone());

    ctrl(Qt::Key_S);
    EXPECT_TRUE(showsReferenceAlone());
    at(23000);
    ctrl(Qt::Key_L);
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("+0,40"));
    at(30000);
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_0);
    EXPECT_TRUE(showsReferenceAlone()) << "kept for the next race";

    auto *note = compare->findChild<QLabel *>(QStringLiteral("LabCompareNote"));
    auto *length = form.findChild<TSpinEdit *>(QStringLiteral("seLength"));
    length->setValue(5000);
    form.findChild<QTabWidget *>()->setCurrentWidget(compare);
    EXPECT_FALSE(note->isHidden());
    EXPECT_NE(references->itemText(0), chosen);
    form.findChild<QTabWidget *>()->setCurrentIndex(0);
    length->setValue(3000);
    form.findChild<QTabWidget *>()->setCurrentWidget(compare);
    EXPECT_TRUE(note->isHidden());
    EXPECT_TRUE(showsReferenceAlone()) << "a plan of its distance again";
}

// A saved race opened is the race acted on: the fields above its table and
// the export are its own, and the current race's come back with it.
TEST_F(RaceHistoryTest, TheRaceOnScreenIsTheRaceActedOn)
{
    // 1500 m: 100 extra metres, then 7 laps of 200 m; 3:00 with 1,5 s allowance.
    const rundaro::RaceSetup k1500{{7, 23800, 1.5L, 100, 200, "23,8", "30,25"}, 1500, 180};
    rundaro::RaceRecord race;
    race.SetSkater("Eva");
    race.Start(k1500, 0);
    for (int p = 1; p <= 8; ++p)
        race.AddPassing(std::uint32_t(p * 22000), p == 8);
    save(QStringLiteral("2024-05-02_10-00-00"),
         QByteArray::fromStdString(
             rundaro::RaceCsv(rundaro::MakeRaceSheet(race, "02.05.2024", "10:00:00", ","), LapTableHeaders())));
    const QString current = editText("eTimeKrug");
    RaceHistoryDialog *dialog = openHistory();
    ASSERT_NE(dialog, nullptr);
    dialog->view()->setCurrentIndex(dialog->view()->model()->index(0, 0));
    dialog->findChild<QPushButton *>(QStringLiteral("bHistoryOpen"))->click();
    dialog->close();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(editText("eTimeKrug"), QStringLiteral("23,8"));
    EXPECT_EQ(editText("eSpeedKrug"), QStringLiteral("30,25"));

    const QString target = env.dir.filePath(QStringLiteral("export/eva"));
    QDir().mkpath(QFileInfo(target).absolutePath());
    QTimer::singleShot(0, &form, [&target] {
        auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(files, nullptr);
        files->selectFile(target);
        static_cast<QDialog *>(files)->accept();
    });
    child<QPushButton>("bExport")->click();
    QFile exported(target + QStringLiteral(".csv"));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll(), content(QStringLiteral("2024-05-02_10-00-00")));

    child<StoredRaceView>("StoredRaceView")->findChild<QPushButton *>(QStringLiteral("bCurrentRace"))->click();
    EXPECT_EQ(editText("eTimeKrug"), current);
}

// A newer program's race file, with a set-up line and a column this one does
// not know, is read for what it knows; a row short of a known field or with
// a time that is no number is still refused with its reason.
TEST(RaceHistoryReading, ANewerProgramsFileIsReadForWhatItKnows)
{
    rundaro::RaceRecord race;
    race.SetSkater("Anna");
    race.Start(k3000, 0);
    const std::vector<std::int32_t> times{23400, 45200, 67000};
    for (std::int32_t ms : times)
        race.AddPassing(std::uint32_t(ms));
    const QByteArray written = QByteArray::fromStdString(
        rundaro::RaceCsv(rundaro::MakeRaceSheet(race, "02.05.2024", "10:00:00", ","), LapTableHeaders()));

    struct Case
    {
        const char *name;
        bool newer; // with the set-up lines and the column of a newer program
        int row; // the table's row to change, from 1; 0: none
        const char *raceTime; // its race time; null: it loses its last known field
        const char *reason; // empty: read
    };
    const Case cases[] = {
        {"as written", false, 0, nullptr, ""},
        {"newer", true, 0, nullptr, ""},
        {"a row short of a field", false, 3, nullptr, "unvollständig"},
        {"newer, a row short of a known field", true, 3, nullptr, "unvollständig"},
        {"newer, a time that is no number", true, 2, "45,2x", "Zeit in Zeile 2 ist keine Zahl"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case &c : cases) {
        QList<QByteArray> lines = written.split('\n');
        lines.removeLast(); // after the last line end
        for (QByteArray &line : lines)
            line.chop(1); // its '\r'
        int header = int(lines.indexOf(QByteArray())) + 1;
        if (c.newer) {
            lines.insert(2, "Eisbahn;Thialf");
            lines.insert(header, "Wetter;sonnig"); // after the last set-up line
            header += 2;
            lines[header] += ";Puls";
            for (int i = header + 1; i < lines.size(); ++i)
                lines[i] += i - header <= int(times.size()) ? ";150" : ";";
        }
        if (c.row > 0) {
            QList<QByteArray> fields = lines[header + c.row].split(';');
            if (c.raceTime)
                fields[rundaro::ColumnIndex(rundaro::LapColumn::RaceTime)] = c.raceTime;
            else
                fields.resize(rundaro::kLapColumnCount - 1);
            lines[header + c.row] = fields.join(';');
        }
        const QString path = dir.filePath(QString::fromUtf8(c.name) + QStringLiteral(".csv"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.join("\r\n") + "\r\n");
        file.close();

        const RaceHistoryEntry entry = ReadRaceHistoryEntry(path);
        EXPECT_EQ(entry.reason.toStdString(), c.reason) << c.name;
        if (!entry.readable())
            continue;
        EXPECT_EQ(entry.race.raceMs, times) << c.name;
        EXPECT_EQ(entry.race.skater, "Anna") << c.name;
        EXPECT_EQ(entry.race.status, "läuft") << c.name;
        EXPECT_EQ(entry.race.setup.plan.laps, 15) << c.name;
    }
}
