#pragma once

#include "FullScreenLayout.h"
#include "PairScreenLayout.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRegion>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QTimer;
class QScreen;
class LineBoard;
class RaceFeed;
class ScreenChoice;
class TriggerStatus;

namespace rundaro {
struct RaceBoard;
}

// The race display alone on the whole screen, for reading from the track
// side: the laps to go, the ahead/behind seconds, the running time, the
// target lap time (for a while after each passing with the last lap beside
// it, or with the board at the line the last lap in its place) and the
// hardware trigger's state, drawn large by this widget itself
// from the race record, the plan in force and the trigger's state, with the
// window's display's arithmetic (RaceBoard, TimeDigitsOf). With more than
// one screen it goes to another screen than the window's (ScreenChoice), and
// the window stays in use beside it; a screen unplugged under it brings it
// to the window's screen. The window is neither moved nor changed; its keys
// keep working here (KeyRelay), and F11 (through the window's menu) or
// Escape return to it.
//
// While shown, the view follows the race tick and the race commands and
// redraws only what changed, down to the single segments of a digit, so the
// tick stays cheap on the largest screens. Hidden, it costs nothing.
//
// Told the feeds of skaters on one clock (a pair's), it shows a row for each
// skater in place of the laps to go and the ahead/behind seconds, with the
// common running time of the window's feed (PairScreenLayout); the window's
// feed then only keeps that clock, and the skaters' feeds tell the race.
class FullScreenView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive)

public:
    // What the view shows and when.
    struct Sources
    {
        RaceFeed *feed = nullptr; // the race, the plan in force and the race commands
        const TriggerStatus *trigger = nullptr; // the hardware trigger's state
        QTimer *tick = nullptr; // the race tick, at which the running time moves on
        const ScreenChoice *screen = nullptr; // where it goes; without it, the window's screen
        const LineBoard *board = nullptr; // the board at the line, when chosen
    };

    FullScreenView(QWidget *window, const Sources &sources);

    bool isActive() const { return isVisible(); }
    const FullScreenLayout &screenLayout() const { return m_layout; }
    // The ahead/behind room's text as last drawn.
    QString aheadBehindShown() const { return m_plusMin.caption; }
    // The other rooms' texts as last drawn: the laps to go, the target lap
    // (or the board's last lap in its place) and the last lap beside it
    // (empty while none is shown).
    QString lapsToGoShown() const { return m_laps.caption; }
    QString targetLapShown() const { return m_target.caption; }
    QString lastLapShown() const { return m_lastLap.caption; }
    // The running time's digits as last drawn, "mm.ss,hh".
    QString timeShown() const;

    // Whether it shows a row per skater (setSkaters).
    bool showsSkaters() const { return m_skaters.size() > 1; }
    const PairScreenLayout &skatersLayout() const { return m_skatersLayout; }
    // A skater's row as last drawn.
    struct SkaterShown
    {
        QString letter;
        QString name;
        QString lastLap; // empty while none is shown
        QString lapsToGo;
        QString aheadBehind;
        QColor aheadBehindColour;
    };
    SkaterShown skaterShown(int skater) const;
    // The feeds of skaters on one clock, in the order of their letters: with
    // two or more a row for each; with none or one the single display.
    void setSkaters(std::vector<RaceFeed *> skaters);

    // What the ahead/behind room can show in place of the schedule's gap:
    // another race's comparison, its text and colour.
    struct AheadBehindText
    {
        QString caption;
        QColor colour;
    };
    using AheadBehindSource = std::function<AheadBehindText()>;

public slots:
    void enter();
    void leave();
    void toggle();
    // Takes the figures of this moment and redraws what differs from the last ones.
    void refresh();
    // Whether the last lap is shown beside the target lap after each passing.
    void setShowLastLap(bool on);
    // The ahead/behind room shows what `source` gives in place of the
    // schedule's gap; an empty source: the schedule's again.
    void setAheadBehindSource(AheadBehindSource source);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(FullScreenView)

    struct PanelState
    {
        QString caption;
        QColor face;
        QColor text;
        bool operator==(const PanelState &) const = default;
    };
    struct Segment
    {
        std::array<QPoint, 6> corners;
        int count = 0;
        QRect bounds;
    };

    // A skater's row: its panels as last drawn and the name's font, fitted to it.
    struct SkaterRow
    {
        PanelState letter;
        PanelState name;
        PanelState lastLap;
        PanelState lapsToGo;
        PanelState aheadBehind;
        QFont nameFont;
    };

    void follow(bool on);
    void followSkaters(bool on);
    // A refresh once the command that moved a skater has run to its end.
    void refreshSoon();
    // Lays the panels out for the widget's size and the skaters shown.
    void arrange();
    void place(QScreen *screen);
    void screenGone(QScreen *screen);
    void coverWindow(bool covered);
    void fitFonts();
    void fitTargetFonts();
    // The three numbers' panels and the time as they are to be shown now.
    void takeFigures(PanelState &laps, PanelState &aheadBehind, PanelState &target, int &timeMs) const;
    // The laps to go and ahead/behind panels of `feed`'s race with its
    // figures `board`; without them (no race open) the plan in force.
    void takeNumbers(const RaceFeed &feed, const rundaro::RaceBoard *board, PanelState &laps,
                     PanelState &aheadBehind) const;
    // Stores `now` as `state` where it differs, adding what is to be
    // repainted to `dirty`; true when it differed.
    bool takePanel(const PanelState &now, PanelState &state, const QRect &rect, const QFont &font,
                   QRegion &dirty) const;
    // The skaters' rows, the target lap and the common time as they are to be shown now.
    void takeSkaters(QRegion &dirty, int &timeMs);
    void fitSkaterFonts();
    void paintSkaters(QPainter &painter, const QRegion &region) const;
    QFont fitted(const QFont &font, const QString &text, const QRect &room) const;
    void paintPanel(QPainter &painter, const QRegion &region, const QRect &rect, const PanelState &state,
                    const QFont &font) const;
    void paintTime(QPainter &painter, const QRegion &region) const;
    void paintTarget(QPainter &painter, const QRegion &region) const;
    // Where the last lap and the target lap stand in the target lap's panel.
    std::pair<QRect, QRect> targetRooms() const;

    QWidget *m_window = nullptr;
    Sources m_sources;
    // What stands in for the schedule's gap; empty: nothing.
    AheadBehindSource m_aheadBehindSource;
    FullScreenLayout m_layout;
    QScreen *m_screen = nullptr; // the one it was put on
    std::array<QMetaObject::Connection, 6> m_follow{};

    PanelState m_laps;
    PanelState m_plusMin;
    PanelState m_target;
    PanelState m_trigger;
    PanelState m_lastLap; // no caption while it is not shown
    bool m_showLastLap = true;
    QTimer *m_lastLapEnd = nullptr; // a refresh when no tick comes (after STOP)
    std::array<int, std::size(kTimeDigits)> m_digitValue{};
    std::array<QColor, std::size(kTimeDigits)> m_digitColor{};
    std::array<QColor, std::size(kTimeLabels)> m_labelColor{};
    std::array<std::array<Segment, 8>, std::size(kTimeDigits)> m_segments{};
    QFont m_bigFont;
    QFont m_targetFont;
    QFont m_lastLapFont;
    QFont m_triggerFont;
    std::array<QFont, std::size(kTimeLabels)> m_labelFonts;
    // The labels' texts as the window shows them, in the program's language.
    std::array<QString, std::size(kTimeLabels)> m_labelTexts;
    // While refresh repaints nothing but changed segments: their boxes.
    QRegion m_segmentsOnly;

    std::vector<RaceFeed *> m_skaters;
    std::vector<SkaterRow> m_rows; // one per skater while showsSkaters()
    std::vector<QMetaObject::Connection> m_skaterFollow;
    PairScreenLayout m_skatersLayout;
    QFont m_rowNumbersFont;
    QFont m_rowLastLapFont;
    QFont m_letterFont;
    bool m_refreshQueued = false;
};
