#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class RaceHistory;
class RaceResultsModel;

// "Ergebnisse": the races of a chosen day, newest first, with each skater's
// best of the day and new personal bests marked. A skater's name is
// corrected in the race's file; a race is removed into the folder
// `gelöscht` beside the races and restored from there. The list prints on
// one A4 page and exports as CSV. The races are read by the history's
// reader, off the window's thread; the list is made once both folders are
// read. Not modal: the race goes on behind it.
class RaceResultsDialog : public QDialog
{
    Q_OBJECT

public:
    RaceResultsDialog(RaceHistory &history, QWidget *parent);

    QTableView *view() const { return m_view; }
    RaceResultsModel &model() const { return *m_model; }
    // Both folders read and the list made.
    bool isReady() const;
    // Reads both folders anew.
    void reload();
    // Shows `date` ("dd.MM.yyyy") once it is listed; empty: the newest day.
    void showDay(const QString &date);

    // The actions on the race of `row`; false with `error` when nothing
    // changed. A race that is still running is left alone.
    bool correctName(int row, const QString &name, QString &error);
    bool removeRace(int row, QString &error);
    bool restoreRace(int row, QString &error);

private:
    Q_DISABLE_COPY(RaceResultsDialog)

    void refresh();
    void rebuild();
    void updateButtons();
    int currentRow() const;
    void askName();
    void act(bool (RaceResultsDialog::*action)(int, QString &));
    void print();
    void exportCsv();
    bool checkEditable(int row, QString &error) const;

    RaceHistory &m_history;
    RaceHistory *m_removed = nullptr;
    RaceResultsModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    QComboBox *m_day = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_restore = nullptr;
    QString m_wantedDay;
    QString m_lastFolder;
};
