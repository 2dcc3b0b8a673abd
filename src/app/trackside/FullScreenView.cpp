#include "FullScreenView.h"

#include "Colors.h"
#include "DisplayTexts.h"
#include "Fonts.h"
#include "KeyRelay.h"
#include "LastLap.h"
#include "LineBoard.h"
#include "RaceBoard.h"
#include "RaceFeed.h"
#include "RacePalette.h"
#include "Schedule.h"
#include "ScreenChoice.h"
#include "SevenSegment.h"
#include "TickCount.h"
#include "TriggerStatus.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

using namespace rundaro::sevenseg;

namespace {

// The families of the window's panels that the view draws larger.
QFont numbersFont()
{
    return WindowFont(QStringLiteral("Arial"), 16, true);
}

QFont targetFont()
{
    return WindowFont(QStringLiteral("Arial Narrow"), 16, true);
}

QFont triggerFont()
{
    return WindowFont(QStringLiteral("MS Sans Serif"), 13, true);
}

} // namespace

FullScreenView::FullScreenView(QWidget *window, const Sources &sources)
    : QWidget(window, Qt::Window)
    , m_window(window)
    , m_sources(sources)
{
    setObjectName(QStringLiteral("FullScreenView"));
    setWindowTitle(window->windowTitle());
    for (std::size_t i = 0; i < m_labelTexts.size(); ++i)
        m_labelTexts[i] = QCoreApplication::translate("TFormMain", kTimeLabels[i].text);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    new KeyRelay(this, window);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &FullScreenView::leave);
    connect(qApp, &QGuiApplication::screenRemoved, this, &FullScreenView::screenGone);
    m_lastLapEnd = new QTimer(this);
    m_lastLapEnd->setSingleShot(true);
    connect(m_lastLapEnd, &QTimer::timeout, this, &FullScreenView::refresh);
}

void FullScreenView::setShowLastLap(bool on)
{
    m_showLastLap = on;
    refresh();
}

void FullScreenView::toggle()
{
    if (isActive())
        leave();
    else
        enter();
}

void FullScreenView::enter()
{
    if (isActive())
        return;
    place(m_sources.screen ? m_sources.screen->ScreenFor(m_window->screen()) : m_window->screen());
    follow(true);
    showFullScreen();
    raise();
    activateWindow();
    setFocus();
    refresh();
}

void FullScreenView::place(QScreen *screen)
{
    m_screen = screen;
    winId(); // the native window, so that it can be given its screen
    windowHandle()->setScreen(screen);
    setGeometry(screen->geometry());
}

void FullScreenView::screenGone(QScreen *screen)
{
    if (!isActive() || screen != m_screen)
        return;
    // Back to the window's screen once the system has let go of the old one;
    // the window may have been on it too and been moved itself.
    m_screen = nullptr;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isActive())
                return;
            place(m_window->screen());
            showFullScreen();
            raise();
            activateWindow();
            coverWindow(isActiveWindow() && m_screen == m_window->screen());
            refresh();
        },
        Qt::QueuedConnection);
}

void FullScreenView::leave()
{
    if (!isActive())
        return;
    follow(false);
    coverWindow(false);
    hide();
    m_window->raise();
    m_window->activateWindow();
}

void FullScreenView::closeEvent(QCloseEvent *event)
{
    event->ignore();
    leave();
}

void FullScreenView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        coverWindow(isVisible() && isActiveWindow() && m_screen == m_window->screen());
}

void FullScreenView::coverWindow(bool covered)
{
    // While the view is in front on the window's screen it covers it: the
    // window then skips the repaints of its own display at every tick, which
    // at a large screen's size cost a third of the tick. Whatever brings the
    // window to the front (the user, another program) takes the activation
    // from the view, and the window shows again what it shows.
    if (m_window->updatesEnabled() == covered)
        m_window->setUpdatesEnabled(!covered);
}

void FullScreenView::follow(bool on)
{
    for (QMetaObject::Connection &c : m_follow)
        disconnect(c);
    followSkaters(on);
    if (!on)
        return;
    m_follow[0] = connect(m_sources.tick, &QTimer::timeout, this, &FullScreenView::refresh);
    if (!m_sources.feed)
        return;
    RaceFeed *feed = m_sources.feed;
    m_follow[1] = connect(feed, &RaceFeed::raceStarted, this, &FullScreenView::refresh);
    m_follow[2] = connect(feed, &RaceFeed::passingRecorded, this, &FullScreenView::refresh);
    m_follow[3] = connect(feed, &RaceFeed::raceStopped, this, &FullScreenView::refresh);
    m_follow[4] = connect(feed, &RaceFeed::raceReset, this, &FullScreenView::refresh);
    if (m_sources.board)
        m_follow[5] = connect(m_sources.board, &LineBoard::changed, this, &FullScreenView::refresh);
}

void FullScreenView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void FullScreenView::arrange()
{
    if (showsSkaters()) {
        m_skatersLayout = LayoutPairScreen(size(), int(m_skaters.size()));
        m_layout = m_skatersLayout.common;
    } else {
        m_layout = LayoutFullScreen(size());
    }
    for (std::size_t d = 0; d < m_segments.size(); ++d) {
        const QRect &r = m_layout.digits[d];
        for (int s = 0; s < SegmentCount; ++s) {
            const Polygon polygon = segmentPolygon(s, r.width(), r.height(), m_layout.thickness, m_layout.separation);
            Segment &segment = m_segments[d][std::size_t(s)];
            segment.count = polygon.count;
            QPolygon outline;
            for (int i = 0; i < polygon.count; ++i) {
                segment.corners[std::size_t(i)]
                    = r.topLeft() + QPoint(polygon.points[std::size_t(i)].x, polygon.points[std::size_t(i)].y);
                outline << segment.corners[std::size_t(i)];
            }
            segment.bounds = outline.boundingRect();
        }
    }
    fitFonts();
    if (showsSkaters())
        fitSkaterFonts();
}

QFont FullScreenView::fitted(const QFont &font, const QString &text, const QRect &room) const
{
    // The largest pixel size at which `text`, line by line, fits 90 % of the room.
    const QStringList lines = text.split(QLatin1Char('\n'));
    QFont f = font;
    int low = 1;
    int high = std::max(2, room.height());
    while (low + 1 < high) {
        const int mid = (low + high) / 2;
        f.setPixelSize(mid);
        const QFontMetrics metrics(f, this);
        int width = 0;
        for (const QString &line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        if (width <= room.width() * 9 / 10 && metrics.height() * lines.size() <= room.height() * 9 / 10)
            low = mid;
        else
            high = mid;
    }
    f.setPixelSize(low);
    return f;
}

void FullScreenView::fitFonts()
{
    // Both large panels take the size at which "99" fits the laps-to-go
    // panel, as on the window.
    m_bigFont = fitted(numbersFont(), QStringLiteral("99"), m_layout.lapsToGo);
    fitTargetFonts();
    m_triggerFont = fitted(triggerFont(), m_trigger.caption, m_layout.trigger);
    for (std::size_t i = 0; i < m_labelFonts.size(); ++i) {
        m_labelFonts[i] = WindowFont(QString::fromUtf16(kTimeLabels[i].family),
                                     std::max(1, int(kTimeLabels[i].pixelSize * m_layout.scale)), true);
    }
}

void FullScreenView::fitTargetFonts()
{
    const auto [lapRoom, targetRoom] = targetRooms();
    m_targetFont = fitted(targetFont(), m_target.caption, targetRoom);
    m_lastLapFont = fitted(targetFont(), m_lastLap.caption, lapRoom);
}

void FullScreenView::takeFigures(PanelState &laps, PanelState &aheadBehind, PanelState &target, int &timeMs) const
{
    const rundaro::RaceRecord &race = m_sources.feed->race();
    target.face = palette().color(QPalette::Window);
    target.text = Colors::clBlue();
    if (!race.IsOpen()) {
        timeMs = 0;
        takeNumbers(*m_sources.feed, nullptr, laps, aheadBehind);
        target.caption = QString::fromStdString(m_sources.feed->planInForce().plan.lapTimeText);
        return;
    }
    const std::uint32_t now = rundaro::GetTickCount();
    const rundaro::RaceBoard board = m_sources.board ? m_sources.board->boardOf(now) : rundaro::BoardOf(race, now);
    timeMs = board.timeMs;
    takeNumbers(*m_sources.feed, &board, laps, aheadBehind);
    target.caption = QString::fromStdString(race.Setup().plan.lapTimeText);
    if (board.lastLap) {
        // The board at the line: the last lap in the target lap's place.
        const LastLap lap = LastLapShown(*board.lastLap);
        target.caption = lap.text;
        target.text = lap.colour.value_or(target.text);
    }
}

void FullScreenView::takeNumbers(const RaceFeed &feed, const rundaro::RaceBoard *board, PanelState &laps,
                                 PanelState &aheadBehind) const
{
    laps.face = Colors::clMedGray();
    laps.text = palette().color(QPalette::WindowText);
    aheadBehind.face = Colors::clBlack();
    aheadBehind.text = RacePalette::aheadPanel();
    if (!board) {
        // Before START and after RESET: the plan in force, and the start
        // allowance where the race will show ahead or behind.
        const rundaro::RaceSetup plan = feed.planInForce();
        laps.caption = QString::number(plan.plan.laps);
        aheadBehind.caption = QStringLiteral("+")
            + QString::fromStdString(rundaro::IntToStr(rundaro::Round(plan.plan.allowanceSeconds)));
        return;
    }
    laps.caption = QString::number(board->lapsToGo);
    if (board->aheadBehind) {
        aheadBehind.caption = QString::fromStdString(rundaro::AheadBehindText(*board->aheadBehind));
        aheadBehind.text = RacePalette::gapPanelColour(*board->aheadBehind > 0);
    } else {
        aheadBehind.caption = NoTargetText();
    }
}

bool FullScreenView::takePanel(const PanelState &now, PanelState &state, const QRect &rect, const QFont &font,
                               QRegion &dirty) const
{
    if (now == state)
        return false;
    // A new number in the same colours: only where the old and the new one stand.
    const QFontMetrics metrics(font, this);
    if (now.face == state.face && now.text == state.text)
        dirty += (metrics.boundingRect(rect, Qt::AlignCenter, state.caption)
                  | metrics.boundingRect(rect, Qt::AlignCenter, now.caption))
            & rect;
    else
        dirty += rect;
    state = now;
    return true;
}

void FullScreenView::refresh()
{
    if (!isVisible() || !m_sources.feed)
        return;
    QRegion dirty;
    QRegion segments;
    int timeMs = 0;
    if (showsSkaters()) {
        takeSkaters(dirty, timeMs);
    } else {
        PanelState laps;
        PanelState aheadBehind;
        PanelState target;
        takeFigures(laps, aheadBehind, target, timeMs);
        if (m_aheadBehindSource) {
            const AheadBehindText shown = m_aheadBehindSource();
            aheadBehind.caption = shown.caption;
            aheadBehind.text = shown.colour;
        }
        takePanel(laps, m_laps, m_layout.lapsToGo, m_bigFont, dirty);
        takePanel(aheadBehind, m_plusMin, m_layout.aheadBehind, m_bigFont, dirty);
        if (takePanel(target, m_target, targetRooms().second, m_targetFont, dirty))
            m_targetFont = fitted(targetFont(), m_target.caption, targetRooms().second);
        PanelState lastLap;
        // Beside the target lap only while the board at the line does not show
        // it in the target lap's place.
        if (m_showLastLap && !(m_sources.board && m_sources.board->isOn())) {
            if (const std::optional<LastLap> fresh = FreshLastLap(m_sources.feed->race(), rundaro::GetTickCount())) {
                lastLap = {fresh->text, m_target.face, fresh->colour.value_or(m_target.text)};
                if (!m_lastLapEnd->isActive())
                    m_lastLapEnd->start(fresh->remainingMs + 1);
            }
        }
        if (lastLap != m_lastLap) {
            // Shown or gone: the target lap moves, both fonts fit their rooms anew.
            m_lastLap = lastLap;
            fitTargetFonts();
            dirty += m_layout.targetLap;
        }
    }
    if (m_sources.trigger) {
        const TriggerStatus &trigger = *m_sources.trigger;
        const PanelState now{trigger.brief(), trigger.face(), trigger.textColour()};
        if (now != m_trigger) {
            m_trigger = now;
            m_triggerFont = fitted(triggerFont(), m_trigger.caption, m_layout.trigger);
            dirty += m_layout.trigger;
        }
    }

    const rundaro::TimeParts parts = rundaro::SplitRaceTime(timeMs);
    const TimeDigitsShown shown = TimeDigitsOf(parts.minutes, parts.seconds, parts.hundredths);
    const auto colourOf = [](bool significant) { return significant ? Colors::clYellow() : Colors::clDimDigit(); };
    for (std::size_t d = 0; d < m_digitValue.size(); ++d) {
        const int value = shown.values[d];
        const QColor colour = colourOf(shown.significant[d]);
        if (colour != m_digitColor[d]) {
            m_digitColor[d] = colour;
            m_digitValue[d] = value;
            dirty += m_layout.digits[d];
        } else if (value != m_digitValue[d]) {
            // Only the segments that go on or off.
            const unsigned changed = DigitPatterns[std::size_t(value)] ^ DigitPatterns[std::size_t(m_digitValue[d])];
            m_digitValue[d] = value;
            for (int s = 0; s < SegmentCount; ++s)
                if (isLit(std::uint8_t(changed), s))
                    segments += m_segments[d][std::size_t(s)].bounds;
        }
    }
    for (std::size_t i = 0; i < m_labelColor.size(); ++i) {
        const QColor colour = colourOf(TimeLabelSignificant(shown, i));
        if (colour != m_labelColor[i]) {
            m_labelColor[i] = colour;
            dirty += m_layout.labels[i];
        }
    }
    if (dirty.isEmpty() && !segments.isEmpty()) {
        // The usual tick: a few segments go on or off and nothing else changes.
        m_segmentsOnly = segments;
        repaint(segments);
        m_segmentsOnly = QRegion();
    } else if (!dirty.isEmpty() || !segments.isEmpty()) {
        repaint(dirty + segments);
    }
}

void FullScreenView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRegion &region = event->region();
    paintPanel(painter, region, m_layout.lapsToGo, m_laps, m_bigFont);
    paintPanel(painter, region, m_layout.aheadBehind, m_plusMin, m_bigFont);
    paintSkaters(painter, region);
    paintTarget(painter, region);
    paintPanel(painter, region, m_layout.trigger, m_trigger, m_triggerFont);
    if (region.intersects(m_layout.time))
        paintTime(painter, region);
}

void FullScreenView::paintPanel(QPainter &painter, const QRegion &region, const QRect &rect, const PanelState &state,
                                const QFont &font) const
{
    if (!region.intersects(rect))
        return;
    painter.fillRect(rect, state.face);
    painter.setFont(font);
    painter.setPen(state.text);
    painter.drawText(rect, Qt::AlignCenter, state.caption);
}

std::pair<QRect, QRect> FullScreenView::targetRooms() const
{
    // The last lap takes the first half: the left one of a wide panel, the
    // upper one of a tall one.
    const QRect &r = m_layout.targetLap;
    if (m_lastLap.caption.isEmpty())
        return {QRect(), r};
    if (r.width() >= r.height()) {
        const int half = r.width() / 2;
        return {QRect(r.left(), r.top(), half, r.height()),
                QRect(r.left() + half, r.top(), r.width() - half, r.height())};
    }
    const int half = r.height() / 2;
    return {QRect(r.left(), r.top(), r.width(), half), QRect(r.left(), r.top() + half, r.width(), r.height() - half)};
}

void FullScreenView::paintTarget(QPainter &painter, const QRegion &region) const
{
    if (!region.intersects(m_layout.targetLap))
        return;
    const auto [lapRoom, targetRoom] = targetRooms();
    painter.fillRect(m_layout.targetLap, m_target.face);
    painter.setFont(m_targetFont);
    painter.setPen(m_target.text);
    painter.drawText(targetRoom, Qt::AlignCenter, m_target.caption);
    if (lapRoom.isEmpty())
        return;
    painter.setFont(m_lastLapFont);
    painter.setPen(m_lastLap.text);
    painter.drawText(lapRoom, Qt::AlignCenter, m_lastLap.caption);
}

void FullScreenView::paintTime(QPainter &painter, const QRegion &region) const
{
    const QColor background(0, 0, 0);
    painter.setPen(Qt::NoPen);
    if (region == m_segmentsOnly) {
        // Each segment whose box is asked for is drawn whole, lit or in the
        // background's colour; segments never overlap and nothing else is
        // drawn in their boxes but the background, so nothing else needs
        // drawing again: this keeps the race tick cheap on a large screen.
        for (std::size_t d = 0; d < m_digitValue.size(); ++d) {
            if (!region.intersects(m_layout.digits[d]))
                continue;
            const std::uint8_t pattern = DigitPatterns[std::size_t(m_digitValue[d])];
            for (int s = 0; s < SegmentCount; ++s) {
                const Segment &segment = m_segments[d][std::size_t(s)];
                if (!region.intersects(segment.bounds))
                    continue;
                painter.setBrush(isLit(pattern, s) ? m_digitColor[d] : background);
                painter.drawPolygon(segment.corners.data(), segment.count);
            }
        }
        return;
    }
    painter.fillRect(m_layout.time, background);
    for (std::size_t i = 0; i < m_labelColor.size(); ++i) {
        if (!region.intersects(m_layout.labels[i]))
            continue;
        painter.setFont(m_labelFonts[i]);
        painter.setPen(m_labelColor[i]);
        painter.drawText(m_layout.labels[i],
                         kTimeLabels[i].centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop,
                         m_labelTexts[i]);
    }
    // Unlit segments are the background's colour: only lit ones are drawn,
    // filled without an outline, as the segment-only repaint above fills
    // them: an outline would leave a frame that filling in the background's
    // colour does not cover when the segment goes off.
    painter.setPen(Qt::NoPen);
    for (std::size_t d = 0; d < m_digitValue.size(); ++d) {
        if (!region.intersects(m_layout.digits[d]))
            continue;
        painter.setBrush(m_digitColor[d]);
        const std::uint8_t pattern = DigitPatterns[std::size_t(m_digitValue[d])];
        for (int s = 0; s < SegmentCount; ++s) {
            const Segment &segment = m_segments[d][std::size_t(s)];
            if (isLit(pattern, s) && region.intersects(segment.bounds))
                painter.drawPolygon(segment.corners.data(), segment.count);
        }
    }
}

QString FullScreenView::timeShown() const
{
    QString text;
    for (std::size_t d = 0; d < m_digitValue.size(); ++d) {
        text += QString::number(m_digitValue[d]);
        if (d == 1 || d == 3)
            text += d == 1 ? QLatin1Char('.') : QLatin1Char(',');
    }
    return text;
}

void FullScreenView::setAheadBehindSource(AheadBehindSource source)
{
    m_aheadBehindSource = std::move(source);
    refresh();
}
