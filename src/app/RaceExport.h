#pragma once

#include <QObject>
#include <QString>

class TFormMain;

// Saves the window's current race as CSV where the user chooses, in the
// format of the race files.
class TRaceExport : public QObject
{
    Q_OBJECT

public:
    explicit TRaceExport(TFormMain *form);

public slots:
    // Asks for the file and writes it; a failure is shown with its reason.
    void Export();

private:
    Q_DISABLE_COPY(TRaceExport)

    TFormMain *m_form = nullptr;
    QString m_lastFolder;
};
