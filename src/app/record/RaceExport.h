#pragma once

#include <QObject>
#include <QString>

class QWidget;
class RaceFeed;

// Saves the window's current race as CSV where the user chooses, in the
// format of the race files.
class RaceExport : public QObject
{
    Q_OBJECT

public:
    // `window`: the parent of the file dialog and the messages.
    RaceExport(RaceFeed &feed, QWidget *window);

public slots:
    // Asks for the file and writes it; a failure is shown with its reason.
    void exportRace();

private:
    Q_DISABLE_COPY(RaceExport)

    RaceFeed &m_feed;
    QWidget *m_window = nullptr;
    QString m_lastFolder;
};
