// The full-screen view's rows for skaters on one clock (a pair): each
// skater's race is followed through its own feed, and the window's feed
// keeps the common clock alone.
#include "FullScreenView.h"

#include "Colors.h"
#include "Fonts.h"
#include "GroupRace.h"
#include "LastLap.h"
#include "RaceFeed.h"
#include "TickCount.h"

#include <QPainter>

#include <optional>

namespace {

QFont rowFont()
{
    return WindowFont(QStringLiteral("Arial"), 16, true);
}

QString letterOf(std::size_t skater)
{
    return QString(QChar(u'A' + int(skater)));
}

} // namespace

void FullScreenView::setSkaters(std::vector<RaceFeed *> skaters)
{
    if (skaters == m_skaters)
        return;
    const bool shown = isVisible();
    if (shown)
        followSkaters(false);
    m_skaters = std::move(skaters);
    m_rows.assign(showsSkaters() ? m_skaters.size() : 0, SkaterRow{});
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].letter = {letterOf(i), palette().color(QPalette::Window), palette().color(QPalette::WindowText)};
    // The single display's last lap stands beside the target lap; none is
    // shown with the rows, and the one shown before goes.
    m_lastLap = {};
    arrange();
    if (shown) {
        followSkaters(true);
        update();
        refresh();
    }
}

void FullScreenView::followSkaters(bool on)
{
    for (QMetaObject::Connection &c : m_skaterFollow)
        disconnect(c);
    m_skaterFollow.clear();
    if (!on || !showsSkaters())
        return;
    // Queued: a command reaches the skaters' feeds before the window has
    // finished it; a pair's last finish stops the common clock only after
    // the finishing skater's feed has told it.
    for (RaceFeed *feed : m_skaters) {
        for (auto signal : {&RaceFeed::raceStarted, &RaceFeed::raceStopped, &RaceFeed::raceReset,
                            &RaceFeed::skaterChanged, &RaceFeed::nextSkaterChanged})
            m_skaterFollow.push_back(connect(feed, signal, this, &FullScreenView::refreshSoon));
        for (auto signal : {&RaceFeed::passingRecorded, &RaceFeed::passingUndone})
            m_skaterFollow.push_back(connect(feed, signal, this, &FullScreenView::refreshSoon));
    }
}

void FullScreenView::refreshSoon()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshQueued = false;
            refresh();
        },
        Qt::QueuedConnection);
}

FullScreenView::SkaterShown FullScreenView::skaterShown(int skater) const
{
    if (skater < 0 || std::size_t(skater) >= m_rows.size())
        return {};
    const SkaterRow &row = m_rows[std::size_t(skater)];
    return {row.letter.caption,   row.name.caption,        row.lastLap.caption,
            row.lapsToGo.caption, row.aheadBehind.caption, row.aheadBehind.text};
}

void FullScreenView::fitSkaterFonts()
{
    // One size for every row's numbers, at which "99" fits the laps to go
    // and "+99" the seconds ahead or behind; one for the last laps.
    const SkaterRowLayout &rects = m_skatersLayout.rows.front();
    const QFont laps = fitted(rowFont(), QStringLiteral("99"), rects.lapsToGo);
    const QFont gap = fitted(rowFont(), QStringLiteral("+99"), rects.aheadBehind);
    m_rowNumbersFont = laps.pixelSize() < gap.pixelSize() ? laps : gap;
    m_rowLastLapFont = fitted(rowFont(), QStringLiteral("99,99"), rects.lastLap);
    m_letterFont = fitted(rowFont(), QStringLiteral("W"), rects.letter);
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].nameFont = fitted(rowFont(), m_rows[i].name.caption, m_skatersLayout.rows[i].name);
}

void FullScreenView::takeSkaters(QRegion &dirty, int &timeMs)
{
    const std::uint32_t now = rundaro::GetTickCount();
    // The window's race is the common clock: its time, and its plan's target lap.
    const rundaro::RaceRecord &clock = m_sources.feed->race();
    timeMs = clock.IsOpen() ? rundaro::BoardOf(clock, now).timeMs : 0;
    PanelState target{QString::fromStdString(clock.IsOpen() ? clock.Setup().plan.lapTimeText
                                                            : m_sources.feed->planInForce().plan.lapTimeText),
                      palette().color(QPalette::Window), Colors::clBlue()};
    if (takePanel(target, m_target, m_layout.targetLap, m_targetFont, dirty))
        fitTargetFonts();

    // The letter, the name and the last lap on the window's face, apart
    // from the grey laps to go beside them.
    const QColor face = palette().color(QPalette::Window);
    const QColor windowText = palette().color(QPalette::WindowText);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const RaceFeed &feed = *m_skaters[i];
        const rundaro::RaceRecord &race = feed.race();
        const SkaterRowLayout &rects = m_skatersLayout.rows[i];
        SkaterRow &row = m_rows[i];

        PanelState laps;
        PanelState aheadBehind;
        if (race.IsOpen()) {
            const rundaro::RaceBoard board = rundaro::SkaterBoardOf(race, now);
            takeNumbers(feed, &board, laps, aheadBehind);
        } else {
            takeNumbers(feed, nullptr, laps, aheadBehind);
        }
        takePanel(laps, row.lapsToGo, rects.lapsToGo, m_rowNumbersFont, dirty);
        takePanel(aheadBehind, row.aheadBehind, rects.aheadBehind, m_rowNumbersFont, dirty);

        // The race's own name once it is started, until then the next START's.
        QString name = QString::fromStdString(race.IsOpen() ? race.Skater() : feed.nextSkater());
        if (name.isEmpty())
            name = tr("Läufer %1").arg(row.letter.caption);
        const PanelState nameNow{name, face, windowText};
        if (nameNow != row.name) {
            row.name = nameNow;
            row.nameFont = fitted(rowFont(), name, rects.name);
            dirty += rects.name;
        }

        // The lap the skater's last passing closed, until the next one, as
        // the window's board for a pair shows it.
        PanelState lastLap{QString(), face, windowText};
        if (!rects.lastLap.isEmpty() && race.IsOpen() && race.Passings() > 0) {
            if (const auto figures = rundaro::LastLapAt(race, race.PassingTick(race.Passings() - 1))) {
                const LastLap shown = LastLapShown(*figures);
                lastLap.caption = shown.text;
                lastLap.text = shown.colour.value_or(windowText);
            }
        }
        takePanel(lastLap, row.lastLap, rects.lastLap, m_rowLastLapFont, dirty);
    }
}

void FullScreenView::paintSkaters(QPainter &painter, const QRegion &region) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const SkaterRowLayout &rects = m_skatersLayout.rows[i];
        const SkaterRow &row = m_rows[i];
        if (!region.intersects(rects.row))
            continue;
        paintPanel(painter, region, rects.letter, row.letter, m_letterFont);
        paintPanel(painter, region, rects.name, row.name, row.nameFont);
        paintPanel(painter, region, rects.lastLap, row.lastLap, m_rowLastLapFont);
        paintPanel(painter, region, rects.lapsToGo, row.lapsToGo, m_rowNumbersFont);
        paintPanel(painter, region, rects.aheadBehind, row.aheadBehind, m_rowNumbersFont);
        if (region.intersects(rects.gap))
            painter.fillRect(rects.gap, Colors::clBlack());
    }
}
