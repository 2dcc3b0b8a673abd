#pragma once

#include <QObject>
#include <QString>

class QWidget;
class RaceFeed;

namespace rundaro {
class RaceRecord;
}

// Saves the race on screen as CSV where the user chooses, in the format of
// the race files: the window's current race, or the saved race opened in its
// place.
class RaceExport : public QObject
{
    Q_OBJECT

public:
    // `window`: the parent of the file dialog and the messages.
    RaceExport(RaceFeed &feed, QWidget *window);

    // The saved race shown in place of the current one; null: the current
    // race again. It must stay until replaced.
    void setShown(const rundaro::RaceRecord *stored) { m_stored = stored; }
    // Asks for the file and writes `race` to it; a failure is shown with
    // its reason.
    void exportRecord(const rundaro::RaceRecord &race);

public slots:
    // Exports the race on screen.
    void exportRace();

private:
    Q_DISABLE_COPY(RaceExport)

    RaceFeed &m_feed;
    const rundaro::RaceRecord *m_stored = nullptr;
    QWidget *m_window = nullptr;
    QString m_lastFolder;
};
