#pragma once

#include "RaceFileRead.h"

#include <QWidget>

class QLabel;
class QPushButton;
class RaceSheetGrid;

// A saved race as a record, started at its own date and time.
rundaro::RaceRecord StoredRaceRecord(const rundaro::StoredRace &race);

// A saved race in the lap table's form, read-only: its target columns,
// colours and rows come from the race's own set-up lines, never from the
// plan editors. Above it the marker "Gespeichertes Rennen vom …" and the one
// command back to the current race. It stands in for the window's lap table
// while shown and touches nothing of the current race.
class StoredRaceView : public QWidget
{
    Q_OBJECT

public:
    explicit StoredRaceView(QWidget *parent = nullptr);

    void showRace(const rundaro::StoredRace &race);
    const rundaro::RaceRecord &record() const { return m_record; }
    const rundaro::StoredRace &race() const { return m_race; }
    RaceSheetGrid *grid() const { return m_grid; }
    QString marker() const;

signals:
    void backRequested();

private:
    Q_DISABLE_COPY(StoredRaceView)

    rundaro::StoredRace m_race;
    rundaro::RaceRecord m_record;
    QLabel *m_marker = nullptr;
    QPushButton *m_back = nullptr;
    RaceSheetGrid *m_grid = nullptr;
};
