#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QTableView;
class RaceHistory;
class RaceHistoryFilter;
struct RaceHistoryEntry;

// "Rennen…": the saved races, newest first, filtered by skater and
// distance; a race is opened (or chosen as the comparison's reference) with
// its button or a double click, exported or printed. Files that cannot be read are listed with
// their reason. Not modal: the race goes on behind it.
class RaceHistoryDialog : public QDialog
{
    Q_OBJECT

public:
    RaceHistoryDialog(RaceHistory &history, QWidget *parent);

    QTableView *view() const { return m_view; }

signals:
    void openRequested(const RaceHistoryEntry &entry);
    void referenceChosen(const RaceHistoryEntry &entry);
    // "Ergebnisse…": the results of the chosen race's day ("dd.MM.yyyy"),
    // or of the newest day when none is chosen.
    void resultsRequested(const QString &date);
    void exportRequested(const RaceHistoryEntry &entry);
    void printRequested(const RaceHistoryEntry &entry);

private:
    Q_DISABLE_COPY(RaceHistoryDialog)

    void refreshChoices();
    void applyFilter();
    const RaceHistoryEntry *current() const;

    RaceHistory &m_history;
    RaceHistoryFilter *m_filter = nullptr;
    QTableView *m_view = nullptr;
    QComboBox *m_skater = nullptr;
    QComboBox *m_distance = nullptr;
    QLabel *m_count = nullptr;
    // Rows of the model already looked at for their distance.
    int m_seen = 0;
};
