#include "ComparePage.h"
#include "EventPump.h"
#include "LapChartPage.h"
#include "LapChartWidget.h"
#include "MainWindowFixture.h"
#include "RaceHistory.h"
#include "RaceHistoryModel.h"
#include "TestOutput.h"

#include <QLineEdit>
#include <QMetaObject>

// The lap chart on "Grafik", drawn by the chart module of this build.
namespace {

class LapChartTest : public MainWindowFixture
{
protected:
    LapChartPage *page() const { return child<LapChartPage>("TabSheet4"); }
    void showChart()
    {
        child<QTabWidget>("PageControl1")->setCurrentWidget(page());
        QCoreApplication::processEvents();
    }
    // The module's chart, read through its meta-object: the test does not
    // link the module.
    QWidget *chart() const { return page()->findChild<QWidget *>(QStringLiteral("LapChart")); }
    // The seconds of the bars called `name`, one per column.
    QList<qreal> bars(const QString &name) const
    {
        QList<qreal> values;
        EXPECT_TRUE(
            QMetaObject::invokeMethod(chart(), "barSeconds", Q_RETURN_ARG(QList<qreal>, values), Q_ARG(QString, name)));
        return values;
    }
    QList<QPointF> line(const QString &name) const
    {
        QList<QPointF> points;
        EXPECT_TRUE(QMetaObject::invokeMethod(chart(), "linePoints", Q_RETURN_ARG(QList<QPointF>, points),
                                              Q_ARG(QString, name)));
        return points;
    }
    // How many of the chart's pixels are painted in `colour`.
    int pixels(const QColor &colour) const
    {
        const QImage image = chart()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == colour.rgb();
        return count;
    }
    void lap(std::int32_t ms)
    {
        at(ms);
        ctrl(Qt::Key_L);
        QCoreApplication::processEvents();
    }
};

TEST_F(LapChartTest, MadeOnlyWhenItsTabIsFirstShown)
{
    auto *tabs = child<QTabWidget>("PageControl1");
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("Grafik"));
    EXPECT_EQ(tabs->tabText(4), QStringLiteral("Vergleich"));
    ctrl(Qt::Key_S);
    lap(23456);
    EXPECT_FALSE(page()->chartCreated());
    EXPECT_EQ(chart(), nullptr);
    showChart();
    ASSERT_TRUE(page()->chartCreated());
    ASSERT_TRUE(chart());
    // What the race has so far, at once.
    EXPECT_EQ(bars(QStringLiteral("über der Sollzeit")).value(0), 23.45);
}

TEST_F(LapChartTest, FollowsTheRaceLapByLap)
{
    showChart();
    ASSERT_TRUE(chart());
    // The schedule before the first passing: 15 laps at 21,9 s.
    EXPECT_EQ(bars(QStringLiteral("Rundenzeit")).size(), 15);
    EXPECT_EQ(line(QStringLiteral("Sollrundenzeit")).value(0).y(), 21.9);
    EXPECT_TRUE(line(QStringLiteral("Vorsprung/Rückstand")).isEmpty());
    saveTestPng(page(), QStringLiteral("lap_chart_schedule"));
    // Before the first passing only the legend's markers are red and green.
    const int legendRed = pixels(Qt::red);
    const int legendGreen = pixels(QColor(0, 128, 0));

    ctrl(Qt::Key_S);
    const std::int32_t laps[] = {23456, 45000, 66950, 89420, 111030, 132000, 153500};
    for (std::int32_t ms : laps)
        lap(ms);
    const QList<qreal> green = bars(QStringLiteral("in der Sollzeit"));
    const QList<qreal> red = bars(QStringLiteral("über der Sollzeit"));
    // Laps of the race times cut off to hundredths: 23,45 over, 21,55 in,
    // 21,95 over, 22,47 over, 21,61 in, 20,97 in, 21,50 in
    EXPECT_EQ(red.mid(0, 4), (QList<qreal>{23.45, 0, 21.95, 22.47}));
    EXPECT_EQ(green.mid(0, 7), (QList<qreal>{0, 21.55, 0, 0, 21.61, 20.97, 21.5}));
    const QList<QPointF> ahead = line(QStringLiteral("Vorsprung/Rückstand"));
    ASSERT_EQ(ahead.size(), 7);
    // Due at 1,5 s + 21,9 s = 23,40 s, passed at 23,456 s: 23,45 s.
    EXPECT_DOUBLE_EQ(ahead[0].y(), -0.05);
    saveTestPng(page(), QStringLiteral("lap_chart_mid_race"));
    // Painted: the three red bars and the four green ones.
    EXPECT_GT(pixels(Qt::red), legendRed + 3 * 500);
    EXPECT_GT(pixels(QColor(0, 128, 0)), legendGreen + 4 * 500);

    // Against another race, the second line: its time less this one's.
    EXPECT_TRUE(line(QStringLiteral("Vergleich")).isEmpty());
    page()->setReference({23000, 45500});
    QCoreApplication::processEvents();
    const QList<QPointF> compared = line(QStringLiteral("Vergleich"));
    ASSERT_EQ(compared.size(), 2);
    EXPECT_DOUBLE_EQ(compared[0].y(), -0.45);
    EXPECT_DOUBLE_EQ(compared[1].y(), 0.5);
    saveTestPng(page(), QStringLiteral("lap_chart_compared"));
    page()->setReference({});

    const std::int32_t rest[] = {175000, 197100, 219000, 240800, 262500, 284000, 305900};
    for (std::int32_t ms : rest)
        lap(ms);
    at(327600);
    ctrl(Qt::Key_P);
    QCoreApplication::processEvents();
    EXPECT_EQ(line(QStringLiteral("Vorsprung/Rückstand")).size(), 15);
    saveTestPng(page(), QStringLiteral("lap_chart_finished"));
}

// The chart draws the comparison's reference, the skater's best race,
// though the comparison page was never shown: the page is built when the
// chart is first shown.
TEST_F(LapChartTest, DrawsTheSkatersBestWithoutTheComparisonShown)
{
    child<QLineEdit>("eSkater")->setText(QStringLiteral("Anna"));
    ctrl(Qt::Key_S);
    for (int passing = 1; passing < 15; ++passing)
        lap(passing * 22000);
    at(15 * 22000);
    ctrl(Qt::Key_P);
    auto *history = form.findChild<RaceHistory *>();
    // Learnt by the history as its file is written, finished.
    ASSERT_TRUE(PumpUntil([&] { return history->model().size() == 1 && history->model().entry(0).race.Finished(); }));
    ctrl(Qt::Key_0);
    ctrl(Qt::Key_S);
    lap(21000);
    EXPECT_EQ(form.findChild<ComparePage *>(), nullptr);
    showChart();
    ASSERT_NE(form.findChild<ComparePage *>(), nullptr);
    const QList<QPointF> compared = line(QStringLiteral("Vergleich"));
    ASSERT_EQ(compared.size(), 1);
    EXPECT_DOUBLE_EQ(compared[0].y(), 1.0); // 22,00 s against 21,00 s
}

} // namespace
