#include "Colors.h"
#include "FullScreenView.h"
#include "LastLap.h"
#include "MainWindowFixture.h"
#include "TestOutput.h"
#include "TriggerStatus.h"

#include <QBackingStore>
#include <QCheckBox>
#include <QComboBox>
#include <QScreen>

// The race display alone on the whole screen. CTest runs this program on
// screens of several sizes and shapes at device pixel ratios 1 and 2, and on
// a laptop's screen with a television beside it (the offscreen platform's
// configuration files).
namespace {

const QColor Yellow(255, 255, 0);
const QColor Black(0, 0, 0);

class FullScreenTest : public MainWindowFixture
{
protected:
    FullScreenView *view() const { return child<FullScreenView>("FullScreenView"); }

    void enter()
    {
        press(Qt::Key_F11);
        ASSERT_TRUE(view()->isActive());
        // The activation is queued by then: one round delivers it.
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), view());
        EXPECT_EQ(view()->screen(), displayScreen());
        // The covered window skips its own repaints meanwhile; beside the
        // display, on a screen of its own, it goes on painting.
        EXPECT_EQ(form.updatesEnabled(), beside());
    }

    // Where the display goes: the largest screen other than the window's.
    QScreen *displayScreen() const
    {
        QScreen *largest = form.screen();
        qint64 area = -1;
        for (QScreen *s : QGuiApplication::screens()) {
            const qint64 a = qint64(s->geometry().width()) * s->geometry().height();
            if (s != form.screen() && a > area) {
                largest = s;
                area = a;
            }
        }
        return largest;
    }
    bool beside() const { return displayScreen() != form.screen(); }
    void expectBack()
    {
        EXPECT_FALSE(view()->isActive());
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &form);
        EXPECT_TRUE(form.updatesEnabled());
    }

    // The window and every widget in it, where it is.
    std::vector<std::pair<QString, QRect>> places() const
    {
        std::vector<std::pair<QString, QRect>> all{{form.objectName(), form.geometry()}};
        for (QWidget *w : form.findChildren<QWidget *>())
            if (!w->isWindow())
                all.emplace_back(w->objectName(), w->geometry());
        return all;
    }

    QString name(const char *what) const
    {
        const QSize s = displayScreen()->geometry().size();
        return QStringLiteral("full_screen_%1x%2_dpr%3_%4")
            .arg(s.width())
            .arg(s.height())
            .arg(form.devicePixelRatio())
            .arg(QLatin1String(what));
    }

    // What the window `w` holds after its last repaint (its backing store,
    // an image on the offscreen platform), and what a full paint of it draws
    // at the same device pixel ratio, both in physical pixels within `rect`
    // (logical, the window's coordinates).
    static const QImage *held(QWidget *w) { return dynamic_cast<const QImage *>(w->backingStore()->paintDevice()); }
    static QImage onScreen(QWidget *w, const QRect &rect)
    {
        const QImage *all = held(w);
        if (!all) {
            ADD_FAILURE() << "no backing store image";
            return {};
        }
        return all->copy(scaledRect(rect, all->devicePixelRatio())).convertToFormat(QImage::Format_RGB32);
    }
    static QImage painted(QWidget *w, const QRect &rect)
    {
        const qreal ratio = held(w) ? held(w)->devicePixelRatio() : 1;
        QImage all(w->size() * ratio, QImage::Format_RGB32);
        all.setDevicePixelRatio(ratio);
        w->render(&all);
        return all.copy(scaledRect(rect, ratio));
    }
    static QRect scaledRect(const QRect &r, qreal ratio) { return QRect(r.topLeft() * ratio, r.size() * ratio); }
    static int differing(const QImage &a, const QImage &b)
    {
        if (a.size() != b.size()) {
            ADD_FAILURE() << a.width() << "x" << a.height() << " vs " << b.width() << "x" << b.height();
            return -1;
        }
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }

    // How tall, in logical pixels, the text drawn in `panel` stands: the rows
    // with any pixel other than the panel's face colour.
    static int inkHeight(const QImage &image, const QRect &panel)
    {
        const QColor face = colourAt(image, panel.topLeft() + QPoint(2, 2));
        const QRect physical = scaledRect(panel, image.devicePixelRatio());
        int first = -1;
        int last = -1;
        for (int y = physical.top(); y <= physical.bottom(); ++y)
            for (int x = physical.left(); x <= physical.right(); ++x)
                if (image.pixelColor(x, y) != face) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
        return first < 0 ? 0 : int((last - first + 1) / image.devicePixelRatio());
    }

    // The colour of the view at a point given in its own coordinates.
    static QColor colourAt(const QImage &image, QPoint p) { return image.pixelColor(p * image.devicePixelRatio()); }
    // Pixels of `colour` in the target lap's panel.
    int inTarget(const QColor &colour) const
    {
        const QImage image = view()->grab().toImage();
        const QRect panel = view()->screenLayout().targetLap;
        int n = 0;
        for (int y = panel.top(); y <= panel.bottom(); y += 2)
            for (int x = panel.left(); x <= panel.right(); x += 2)
                n += colourAt(image, {x, y}) == colour;
        return n;
    }
};

TEST_F(FullScreenTest, FillsTheScreenAndReturnsToTheWindowAsItWas)
{
    const QRect screen = displayScreen()->geometry();
    const auto before = places();
    QWidget *focused = QApplication::focusWidget();
    enter();
    EXPECT_EQ(view()->geometry(), screen);
    EXPECT_TRUE(view()->windowState() & Qt::WindowFullScreen);

    const FullScreenLayout &layout = view()->screenLayout();
    QRegion tiles;
    qint64 area = 0;
    for (const QRect &r : {layout.lapsToGo, layout.aheadBehind, layout.time, layout.targetLap, layout.trigger}) {
        tiles += r;
        area += qint64(r.width()) * r.height();
    }
    EXPECT_EQ(tiles, QRegion(QRect(QPoint(), screen.size())));
    EXPECT_EQ(area, qint64(screen.width()) * screen.height());
    // The digits take a third of the height on wide screens, 28 % on the
    // narrower ones (5 : 4 the narrowest), as every number does on an
    // upright one.
    const bool wide = screen.width() >= screen.height() * 1.65;
    const double timeShare = wide ? 1.0 / 3 : screen.width() > screen.height() ? 0.28 : 0.12;
    for (const QRect &digit : layout.digits) {
        EXPECT_GE(digit.height(), timeShare * screen.height());
        EXPECT_NEAR(double(digit.width()) / digit.height(), 45.0 / 89, 0.01);
    }

    // Pixels: the hundredths' 0 is lit from its top bar to its bottom bar.
    const QImage image = view()->grab().toImage();
    ASSERT_EQ(image.size(), screen.size() * form.devicePixelRatio());
    const QRect digit = layout.digits[5];
    const int x = digit.center().x();
    int top = -1;
    int bottom = -1;
    for (int y = digit.top(); y <= digit.bottom(); ++y) {
        if (colourAt(image, {x, y}) == Yellow) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    EXPECT_GE(bottom - top + 1, timeShare * screen.height());
    // Every number stands at least 12 % of the height (16 : 9 keeps the
    // window's arrangement, with its smaller target lap).
    if (!wide) {
        for (const QRect &panel : {layout.lapsToGo, layout.aheadBehind, layout.targetLap})
            EXPECT_GE(inkHeight(image, panel), 0.12 * screen.height()) << panel.x() << "," << panel.y();
    }
    // The panels carry the window's colours: grey laps to go, black ahead/behind.
    EXPECT_EQ(colourAt(image, layout.lapsToGo.topLeft() + QPoint(2, 2)), QColor(160, 160, 164));
    EXPECT_EQ(colourAt(image, layout.aheadBehind.topLeft() + QPoint(2, 2)), Black);
    saveTestPng(view(), name("idle"));

    // Brought to the front over the view, the window paints again.
    form.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.updatesEnabled());
    view()->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.updatesEnabled(), beside());

    press(Qt::Key_Escape);
    expectBack();
    EXPECT_EQ(places(), before);
    EXPECT_EQ(QApplication::focusWidget(), focused);
}

TEST_F(FullScreenTest, RepaintsOfSomeSegmentsLeaveWhatAFullPaintLeaves)
{
    // Every digit at 0, 1, ... 5 in turn: each bar goes on and off at least
    // once, mostly through repaints of the changed segments alone.
    std::vector<std::int32_t> ticks;
    for (std::int32_t v = 0; v <= 5; ++v)
        for (std::int32_t step : {0, 10, 990})
            ticks.push_back(v * 671110 + step);
    const auto race = [&](QWidget *shown, const QRect &time) {
        ctrl(Qt::Key_S);
        ASSERT_TRUE(form.Race().IsOpen());
        for (std::int32_t ms : ticks) {
            expireTimerAt(ms);
            ASSERT_EQ(differing(onScreen(shown, time), painted(shown, time)), 0) << ms << " ms";
        }
        ctrl(Qt::Key_P);
    };

    // The window's own digits, then the view's.
    QWidget *timer = child("PanelTimer");
    race(&form, QRect(timer->mapTo(&form, QPoint()), timer->size()));
    ctrl(Qt::Key_0);
    enter();
    race(view(), view()->screenLayout().time);
}

TEST_F(FullScreenTest, RaceCommandsAndTheirKeysWorkThere)
{
    enter();
    ctrl(Qt::Key_S);
    ASSERT_TRUE(form.Race().IsOpen());
    expireTimerAt(61234);
    // 01.01,23: the minutes' 1 lights its right-hand bars only.
    const QRect minutes = view()->screenLayout().digits[1];
    const int t = view()->screenLayout().thickness;
    QImage image = view()->grab().toImage();
    EXPECT_EQ(colourAt(image, {minutes.right() - t, minutes.top() + minutes.height() / 4}), Yellow);
    EXPECT_EQ(colourAt(image, {minutes.center().x(), minutes.top() + t}), Black);

    at(62000);
    ctrl(Qt::Key_L); // the hidden menu's shortcut
    at(84000);
    press(Qt::Key_L, Qt::AltModifier); // LAP's mnemonic
    at(106000);
    press(Qt::Key_Space); // the window's focused button, LAP
    EXPECT_EQ(form.Race().Passings(), 3);
    EXPECT_EQ(form.Race().RaceMs(2), 106000);
    expireTimerAt(110000);
    saveTestPng(view(), name("running"));
    at(123450);
    ctrl(Qt::Key_P);
    EXPECT_TRUE(form.Race().IsStopped());
    EXPECT_EQ(form.Race().RaceMs(3), 123450);
    // The STOP's time, not the last tick's: 02.03,45 with the seconds' 3.
    image = view()->grab().toImage();
    const QRect seconds = view()->screenLayout().digits[3];
    EXPECT_EQ(colourAt(image, {seconds.center().x(), seconds.top() + t}), Yellow);

    press(Qt::Key_F11);
    expectBack();
    ctrl(Qt::Key_0);
    EXPECT_TRUE(button("bStart")->isEnabled());
}

TEST_F(FullScreenTest, GoesToTheChosenScreenTheWindowStaysInUseBeside)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        GTEST_SKIP() << "one screen";
    enter();
    ASSERT_NE(view()->screen(), form.screen());
    EXPECT_EQ(view()->geometry(), displayScreen()->geometry());
    saveTestPng(view(), QStringLiteral("full_screen_two_screens_display"));

    // The window, brought to the front beside it, takes the commands and
    // shows the race while the display goes on following it.
    form.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_TRUE(view()->isActive());
    ctrl(Qt::Key_S);
    ASSERT_TRUE(form.Race().IsOpen());
    expireTimerAt(61234);
    EXPECT_EQ(digits(), QStringLiteral("01.01,23"));
    QWidget *timer = child("PanelTimer");
    const QRect time(timer->mapTo(&form, QPoint()), timer->size());
    EXPECT_EQ(differing(onScreen(&form, time), painted(&form, time)), 0);
    saveTestPng(&form, QStringLiteral("full_screen_two_screens_window"));

    // Chosen on "Configuration": each screen by its number, the window's own too.
    auto *box = child<QComboBox>("cbDisplay");
    ASSERT_EQ(box->count(), screens.size() + 1);
    const auto toggle = [this] {
        press(Qt::Key_F11);
        QCoreApplication::processEvents();
    };
    for (int n = 1; n <= screens.size(); ++n) {
        toggle();
        box->setCurrentIndex(n);
        toggle();
        EXPECT_EQ(view()->screen(), screens[n - 1]) << n;
        EXPECT_EQ(view()->geometry(), screens[n - 1]->geometry()) << n;
    }

    // The display's screen unplugged (the offscreen platform cannot unplug
    // one: the system's notice is given as it comes): back to the window's.
    toggle();
    box->setCurrentIndex(0);
    toggle();
    ASSERT_NE(view()->screen(), form.screen());
    emit qApp->screenRemoved(view()->screen());
    QCoreApplication::processEvents();
    EXPECT_TRUE(view()->isActive());
    EXPECT_EQ(view()->screen(), form.screen());
    EXPECT_EQ(view()->geometry(), form.screen()->geometry());
}

TEST_F(FullScreenTest, ShowsTheLastLapBesideTheTargetForTenSeconds)
{
    enter();
    ctrl(Qt::Key_S);
    at(1000); // faster than any target
    ctrl(Qt::Key_L);
    EXPECT_GT(inTarget(Colors::clGreen()), 0);
    EXPECT_GT(inTarget(Colors::clBlue()), 0); // the target beside it
    saveTestPng(view(), name("last_lap"));
    expireTimerAt(10999);
    EXPECT_GT(inTarget(Colors::clGreen()), 0);
    expireTimerAt(11000);
    EXPECT_EQ(inTarget(Colors::clGreen()), 0);
    at(71000); // slower than any target
    ctrl(Qt::Key_L);
    EXPECT_GT(inTarget(Colors::clRed()), 0);

    // Switched off on "Configuration": the target alone.
    child<QCheckBox>("cbLastLap")->setChecked(false);
    EXPECT_EQ(inTarget(Colors::clRed()), 0);
    EXPECT_GT(inTarget(Colors::clBlue()), 0);
}

TEST(LastLap, ShownWithItsColourForTenSecondsAfterItsPassing)
{
    rundaro::RaceSetup setup;
    setup.plan.laps = 10;
    setup.plan.targetLapMs = 30000;
    setup.plan.lapLength = 400;
    struct Case
    {
        std::int32_t lapMs;
        std::int32_t age;
        bool open;
        const char *text; // none when null
        QColor colour;
    };
    const Case cases[] = {
        {30000, 0, true, "30,00", Colors::clGreen()}, // in the target time
        {30010, 9999, true, "30,01", Colors::clRed()}, // slower
        {29000, 10000, true, nullptr, {}}, // shown no longer
        {29000, -1, true, nullptr, {}}, // a tick before its passing
        {29000, 100, false, nullptr, {}}, // reset
    };
    for (const Case &c : cases) {
        rundaro::RaceRecord race;
        const std::uint32_t start = 0xFFFFF000u; // across the counter's wrap
        race.Start(setup, start);
        race.AddPassing(start + std::uint32_t(c.lapMs));
        if (!c.open)
            race.Close();
        const std::optional<LastLap> lap = FreshLastLap(race, start + std::uint32_t(c.lapMs + c.age));
        ASSERT_EQ(lap.has_value(), c.text != nullptr) << c.lapMs << " " << c.age;
        if (!lap)
            continue;
        EXPECT_EQ(lap->text, QString::fromLatin1(c.text));
        EXPECT_EQ(lap->colour, c.colour);
        EXPECT_EQ(lap->remainingMs, 10000 - c.age);
    }
    rundaro::RaceRecord none;
    none.Start(setup, 0);
    EXPECT_FALSE(FreshLastLap(none, 5000));
}

TEST_F(FullScreenTest, ShowsTheTriggersState)
{
    enter();
    auto *status = form.findChild<TriggerStatus *>();
    ASSERT_NE(status, nullptr);
    status->showLost(QStringLiteral("/dev/ttyUSB0"), 5); // between two races: no tick refreshes the view
    const QRect strip = view()->screenLayout().trigger;
    ASSERT_FALSE(strip.isEmpty());
    const QImage image = view()->grab().toImage();
    EXPECT_EQ(colourAt(image, strip.topLeft() + QPoint(2, 2)), Colors::clRed());
    int text = 0;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x)
            text += colourAt(image, {x, y}) == Colors::clYellow();
    EXPECT_GT(text, strip.width() * strip.height() / 100);
    saveTestPng(view(), name("line_lost"));
}

// With "Tafel an der Linie" the display follows the window: the gap at the
// last line held, and the last lap alone in the target lap's place for 10 s.
TEST_F(FullScreenTest, FollowsTheBoardAtTheLine)
{
    child<QCheckBox>("cbBoard")->setChecked(true);
    enter();
    ctrl(Qt::Key_S);
    at(21000); // 2,4 s before the first line is due
    ctrl(Qt::Key_L);
    EXPECT_EQ(view()->aheadBehindShown(), QStringLiteral("+2"));
    EXPECT_GT(inTarget(Colors::clGreen()), 0);
    EXPECT_EQ(inTarget(Colors::clBlue()), 0); // in the target's place, not beside it
    saveTestPng(view(), name("line_board"));
    expireTimerAt(30999);
    EXPECT_EQ(view()->aheadBehindShown(), QStringLiteral("+2"));
    EXPECT_GT(inTarget(Colors::clGreen()), 0);
    expireTimerAt(31000);
    EXPECT_EQ(inTarget(Colors::clGreen()), 0);
    EXPECT_GT(inTarget(Colors::clBlue()), 0);
    EXPECT_EQ(view()->aheadBehindShown(), QStringLiteral("+2"));
}

} // namespace
