#include "FullScreenLayout.h"
#include "FullScreenView.h"
#include "MainWindowFixture.h"
#include "RacePalette.h"
#include "SpinEdit.h"
#include "TestOutput.h"

#include <QCheckBox>
#include <QScreen>

#include <numeric>

// The full-screen display of a pair: a row per skater with the common time.
// CTest runs this program on a 16 : 9 and on a 4 : 3 screen.
namespace {

class FullScreenPairTest : public MainWindowFixture
{
protected:
    FullScreenView *view() const { return child<FullScreenView>("FullScreenView"); }

    // "16x9", "4x3": the screen's shape.
    static QString shape(const QSize &s)
    {
        const int d = std::gcd(s.width(), s.height());
        return QStringLiteral("%1x%2").arg(s.width() / d).arg(s.height() / d);
    }

    // How tall, in pixels, the text drawn in `panel` stands: the rows with any
    // pixel other than the panel's face colour.
    static int inkHeight(const QImage &image, const QRect &panel)
    {
        const QColor face = image.pixelColor(panel.topLeft() + QPoint(2, 2));
        int first = -1;
        int last = -1;
        for (int y = panel.top(); y <= panel.bottom(); ++y)
            for (int x = panel.left(); x <= panel.right(); ++x)
                if (image.pixelColor(x, y) != face) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
        return first < 0 ? 0 : last - first + 1;
    }
};

struct Row
{
    const char *lapsToGo;
    const char *aheadBehind;
    const char *lastLap; // empty: none
};

struct Moment
{
    std::int32_t ms; // after START
    int key; // with Ctrl: S START, L A's passing, K B's; 0: the race tick alone
    const char *time;
    Row a;
    Row b;
};

// 1000 m on a 400 m track, 200 m and two laps: Anna leads and finishes
// first, the clock runs on for Berta, whose finish stops it. Each row shows
// its skater's figures in the single display's colours, as the window's
// board for a pair does; the rows and the band of the time tile the screen
// without overlapping. The keys of the pair's commands work there.
TEST_F(FullScreenPairTest, ARowPerSkaterWithTheCommonTime)
{
    child<TSpinEdit>("seLenKrug")->setValue(400);
    child<TSpinEdit>("seLength")->setValue(1000);
    child<TSpinEdit>("seMin")->setValue(1);
    child<TSpinEdit>("seSek")->setValue(20);
    child<QCheckBox>("cbPair")->setChecked(true);
    child<QLineEdit>("eSkater")->setText(QStringLiteral("Anna"));
    child<QLineEdit>("eSkaterB")->setText(QStringLiteral("Berta"));
    press(Qt::Key_F11);
    QCoreApplication::processEvents();
    ASSERT_TRUE(view()->isActive());
    ASSERT_TRUE(view()->showsSkaters());

    const QSize screen = view()->size();
    const PairScreenLayout &layout = view()->skatersLayout();
    ASSERT_EQ(layout.rows.size(), 2u);
    QRegion tiles;
    qint64 area = 0;
    std::vector<QRect> all{layout.common.time, layout.common.targetLap, layout.common.trigger};
    for (const SkaterRowLayout &row : layout.rows) {
        all.push_back(row.row);
        for (const QRect &cell : {row.letter, row.name, row.lastLap, row.lapsToGo, row.aheadBehind, row.gap})
            EXPECT_TRUE(row.row.contains(cell) || cell.isEmpty());
        EXPECT_FALSE(row.lastLap.isEmpty()); // there is room for it on both shapes
    }
    for (const QRect &r : all) {
        tiles += r;
        area += qint64(r.width()) * r.height();
    }
    EXPECT_EQ(tiles, QRegion(QRect(QPoint(), screen)));
    EXPECT_EQ(area, qint64(screen.width()) * screen.height()); // no overlap

    const QString names[] = {QStringLiteral("Anna"), QStringLiteral("Berta")};
    // 1:20 for the 1000 m, 1.5 s allowance: the lines are due at 17.2 s,
    // 48.6 s and 1:20. Before a skater's first line the schedule's
    // countdown, the same for both; from it each skater's own gap at the
    // last line passed and the laps still to run after it.
    // clang-format off
    const Moment moments[] = {
        {   -1, 0,         "00.00,00", {"2", "+2", ""},      {"2", "+2",  ""}},      // before START: the plan
        {    0, Qt::Key_S, "00.00,00", {"2", "+18", ""},     {"2", "+18", ""}},
        {18000, Qt::Key_L, "00.18,00", {"2", "-1", "18,00"}, {"2", "0",   ""}},
        {18400, Qt::Key_K, "00.18,40", {"2", "-1", "18,00"}, {"2", "-1",  "18,40"}},
        {47000, Qt::Key_L, "00.47,00", {"1", "+2", "29,00"}, {"2", "-1",  "18,40"}},
        {48100, Qt::Key_K, "00.48,10", {"1", "+2", "29,00"}, {"1", "0",   "29,70"}}, // 0.5 s: 0, to even
        {76020, Qt::Key_L, "01.16,02", {"0", "+4", "29,02"}, {"1", "0",   "29,70"}}, // Anna's finish
        {81600, 0,         "01.21,60", {"0", "+4", "29,02"}, {"1", "0",   "29,70"}}, // the clock runs on
        {83000, Qt::Key_K, "01.23,00", {"0", "+4", "29,02"}, {"0", "-3",  "34,90"}}, // Berta's stops it
    };
    // clang-format on
    for (const Moment &m : moments) {
        if (m.key) {
            at(m.ms);
            ctrl(m.key);
        } else if (m.ms >= 0) {
            expireTimerAt(m.ms);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(view()->timeShown(), QLatin1String(m.time)) << m.ms;
        for (int skater = 0; skater < 2; ++skater) {
            const Row &want = skater == 0 ? m.a : m.b;
            const FullScreenView::SkaterShown shown = view()->skaterShown(skater);
            EXPECT_EQ(shown.letter, skater == 0 ? QStringLiteral("A") : QStringLiteral("B"));
            EXPECT_EQ(shown.name, names[skater]) << m.ms;
            EXPECT_EQ(shown.lapsToGo, QLatin1String(want.lapsToGo)) << m.ms << " " << skater;
            EXPECT_EQ(shown.aheadBehind, QLatin1String(want.aheadBehind)) << m.ms << " " << skater;
            EXPECT_EQ(shown.lastLap, QLatin1String(want.lastLap)) << m.ms << " " << skater;
            if (m.ms < 0)
                continue;
            EXPECT_EQ(shown.aheadBehindColour, RacePalette::gapPanelColour(want.aheadBehind[0] == '+'));
            // What the window's board for a pair shows.
            const QString letter = shown.letter;
            EXPECT_EQ(shown.lapsToGo, panel(qPrintable(QStringLiteral("PairLapsToGo") + letter))->caption());
            EXPECT_EQ(shown.aheadBehind, panel(qPrintable(QStringLiteral("PairPlusMin") + letter))->caption());
            EXPECT_EQ(shown.lastLap, panel(qPrintable(QStringLiteral("PairLastLap") + letter))->caption());
        }
        if (m.ms == 81600) {
            // Both rows' numbers readable from afar, as one skater's are.
            const QImage image = view()->grab().toImage();
            for (const SkaterRowLayout &row : layout.rows)
                EXPECT_GE(inkHeight(image, row.lapsToGo), 0.12 * screen.height());
            saveTestPng(view(), QStringLiteral("full_screen_pair_") + shape(screen));
        }
    }

    // The mode off: one skater's display again.
    press(Qt::Key_F11);
    ctrl(Qt::Key_0);
    child<QCheckBox>("cbPair")->setChecked(false);
    press(Qt::Key_F11);
    EXPECT_FALSE(view()->showsSkaters());
    EXPECT_EQ(view()->screenLayout().lapsToGo, LayoutFullScreen(screen).lapsToGo);
    EXPECT_EQ(view()->skaterShown(0).name, QString());
}

} // namespace
