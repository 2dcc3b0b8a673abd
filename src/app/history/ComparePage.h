#pragma once

#include "RaceFileRead.h"
#include "RacePalette.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;
class RaceFeed;
class RaceHistory;

// "Vergleich": a race against a reference race of the same distance and lap
// length, line by line, the difference in seconds (green ahead, red behind).
// The race is the current one, followed lap by lap through the feed, or a
// saved one that is open. The reference is the skater's best finished race
// of that distance ("Bestzeit") unless another is chosen. A reference chosen
// stays for the races after it; while its distance differs from the race's
// the page says so. Until the race's first passing the page shows the
// reference's lines alone.
class ComparePage : public QWidget
{
    Q_OBJECT

public:
    ComparePage(RaceFeed &feed, RaceHistory &history, QWidget *parent = nullptr);

    // Compares the saved race `stored` instead of the current one; null: the
    // current race again.
    void setStored(const rundaro::RaceRecord *stored);
    // Compares against `reference`, kept until another is chosen.
    void setReference(const rundaro::StoredRace &reference);
    QTableWidget *table() const { return m_table; }
    // The last line's difference as the full-screen display shows it in
    // place of the schedule's ahead/behind, when switched on: "–" without
    // one, green ahead or level, red behind.
    const QString &lastGap() const { return m_lastGap; }
    const QColor &lastGapColour() const { return m_lastGapColour; }
    QCheckBox *fullScreenSwitch() const { return m_fullScreenSwitch; }

signals:
    // The race times of the reference in force; empty without one.
    void referenceChanged(const std::vector<std::int32_t> &referenceMs);

protected:
    void showEvent(QShowEvent *event) override;

private:
    Q_DISABLE_COPY(ComparePage)

    const rundaro::RaceRecord &subject() const;
    // True while the current race is shown and none is started: the plan in
    // force and the next skater stand for it.
    bool beforeStart() const;
    rundaro::RaceSetup subjectSetup() const;
    std::vector<std::int32_t> subjectTimes() const;
    void chooseReferences();
    void refresh();

    RaceFeed &m_feed;
    RaceHistory &m_history;
    const rundaro::RaceRecord *m_stored = nullptr;
    std::optional<rundaro::StoredRace> m_chosen;
    std::vector<rundaro::StoredRace> m_references;
    // The reference's race times last told by referenceChanged.
    std::vector<std::int32_t> m_toldReference;
    QComboBox *m_reference = nullptr;
    QLabel *m_note = nullptr;
    QTableWidget *m_table = nullptr;
    QCheckBox *m_fullScreenSwitch = nullptr;
    QString m_lastGap = QStringLiteral("\u2013");
    QColor m_lastGapColour = RacePalette::aheadPanel();
};
