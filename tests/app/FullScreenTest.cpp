#include "Colors.h"
#include "FullScreenView.h"
#include "MainWindowFixture.h"
#include "TestOutput.h"
#include "TriggerStatus.h"

#include <QScreen>
#include <QTimerEvent>

// The race display alone on the whole screen. CTest runs this program on
// screens of 1280 × 720, 1920 × 1080 and 3840 × 2160 at device pixel ratios
// 1 and 2 (the offscreen platform's configuration files).
namespace {

const QColor Yellow(255, 255, 0);
const QColor Black(0, 0, 0);

class FullScreenTest : public MainWindowFixture
{
protected:
    FullScreenView *view() const { return child<FullScreenView>("FullScreenView"); }

    // The race timer expiring at `ms` after START, as its timeout reaches
    // everyone who follows it.
    void tick(std::int32_t ms)
    {
        at(ms);
        QTimerEvent expiry(timer()->timerId());
        QCoreApplication::sendEvent(timer(), &expiry);
    }

    void enter()
    {
        press(Qt::Key_F11);
        ASSERT_TRUE(view()->Active());
        // The activation is queued by then: one round delivers it.
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), view());
        // The covered window skips its own repaints meanwhile.
        EXPECT_FALSE(form.updatesEnabled());
    }
    void expectBack()
    {
        EXPECT_FALSE(view()->Active());
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
        const QSize s = form.screen()->geometry().size();
        return QStringLiteral("full_screen_%1x%2_dpr%3_%4")
            .arg(s.width())
            .arg(s.height())
            .arg(form.devicePixelRatio())
            .arg(QLatin1String(what));
    }

    // The colour of the view at a point given in its own coordinates.
    static QColor colourAt(const QImage &image, QPoint p)
    {
        return image.pixelColor(p * image.devicePixelRatio());
    }
};

TEST_F(FullScreenTest, FillsTheScreenAndReturnsToTheWindowAsItWas)
{
    const QRect screen = form.screen()->geometry();
    const auto before = places();
    QWidget *focused = QApplication::focusWidget();
    enter();
    EXPECT_EQ(view()->geometry(), screen);
    EXPECT_TRUE(view()->windowState() & Qt::WindowFullScreen);

    const FullScreenLayout &layout = view()->Layout();
    QRegion tiles;
    qint64 area = 0;
    for (const QRect &r : {layout.lapsToGo, layout.aheadBehind, layout.time, layout.targetLap, layout.trigger}) {
        tiles += r;
        area += qint64(r.width()) * r.height();
    }
    EXPECT_EQ(tiles, QRegion(QRect(QPoint(), screen.size())));
    EXPECT_EQ(area, qint64(screen.width()) * screen.height());
    for (const QRect &digit : layout.digits) {
        EXPECT_GE(digit.height() * 3, screen.height());
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
    EXPECT_GE((bottom - top + 1) * 3, screen.height());
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
    EXPECT_FALSE(form.updatesEnabled());

    press(Qt::Key_Escape);
    expectBack();
    EXPECT_EQ(places(), before);
    EXPECT_EQ(QApplication::focusWidget(), focused);
}

TEST_F(FullScreenTest, RaceCommandsAndTheirKeysWorkThere)
{
    enter();
    ctrl(Qt::Key_S);
    ASSERT_TRUE(form.Race().IsOpen());
    tick(61234);
    // 01.01,23: the minutes' 1 lights its right-hand bars only.
    const QRect minutes = view()->Layout().digits[1];
    const int t = view()->Layout().thickness;
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
    tick(110000);
    saveTestPng(view(), name("running"));
    at(123450);
    ctrl(Qt::Key_P);
    EXPECT_TRUE(form.Race().IsStopped());
    EXPECT_EQ(form.Race().RaceMs(3), 123450);
    // The STOP's time, not the last tick's: 02.03,45 with the seconds' 3.
    image = view()->grab().toImage();
    const QRect seconds = view()->Layout().digits[3];
    EXPECT_EQ(colourAt(image, {seconds.center().x(), seconds.top() + t}), Yellow);

    press(Qt::Key_F11);
    expectBack();
    ctrl(Qt::Key_0);
    EXPECT_TRUE(button("bStart")->isEnabled());
}

TEST_F(FullScreenTest, ShowsTheTriggersState)
{
    enter();
    auto *status = form.findChild<TriggerStatus *>();
    ASSERT_NE(status, nullptr);
    status->showLost(QStringLiteral("/dev/ttyUSB0"), 5); // between two races: no tick refreshes the view
    const QRect strip = view()->Layout().trigger;
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

} // namespace
