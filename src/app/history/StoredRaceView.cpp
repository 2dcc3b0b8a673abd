#include "StoredRaceView.h"

#include "DisplayTexts.h"
#include "LocaleNumber.h"
#include "RaceHistoryModel.h"
#include "RaceSheetGrid.h"
#include "RaceSheetTexts.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

rundaro::RaceRecord StoredRaceRecord(const rundaro::StoredRace &race)
{
    // Its start as written (local time), so that an export or a printout
    // is named and dated after it.
    const QDateTime start(QDate::fromString(QString::fromStdString(race.date), QStringLiteral("dd.MM.yyyy")),
                          QTime::fromString(QString::fromStdString(race.start), QStringLiteral("HH:mm:ss")));
    return rundaro::RecordOf(race, start.isValid() ? start.toMSecsSinceEpoch() : 0);
}

StoredRaceView::StoredRaceView(QWidget *parent)
    : QWidget(parent)
    , m_marker(new QLabel(this))
    , m_back(new QPushButton(tr("Zurück zum aktuellen Rennen"), this))
    , m_grid(new RaceSheetGrid(this))
{
    setObjectName(QStringLiteral("StoredRaceView"));
    m_marker->setObjectName(QStringLiteral("LabStoredRace"));
    m_back->setObjectName(QStringLiteral("bCurrentRace"));
    m_grid->setObjectName(QStringLiteral("StoredRaceGrid"));
    QFont bold = m_marker->font();
    bold.setBold(true);
    m_marker->setFont(bold);
    m_marker->setStyleSheet(QStringLiteral("QLabel { background: #fff3b0; padding: 2px 6px; }"));

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(m_marker, 1);
    bar->addWidget(m_back);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_grid, 1);

    connect(m_back, &QPushButton::clicked, this, &StoredRaceView::backRequested);
}

QString StoredRaceView::marker() const
{
    return m_marker->text();
}

void StoredRaceView::showRace(const rundaro::StoredRace &race)
{
    m_race = race;
    m_record = StoredRaceRecord(race);
    m_grid->showRace(m_record, race.date, race.start);

    QString text = tr("Gespeichertes Rennen vom %1, Start %2")
                       .arg(QString::fromStdString(race.date), QString::fromStdString(race.start));
    // Short enough for the window's least width; the rest in its tip.
    if (!race.skater.empty())
        text += QStringLiteral(" \u2013 ") + QString::fromStdString(race.skater);
    if (!race.raceMs.empty())
        text += QStringLiteral(" \u2013 ") + LocaleNumberText(rundaro::MinSecText(race.FinalMs(), '.'));
    if (!race.Finished())
        text += QStringLiteral(" (%1)").arg(RaceStatusText(race.status));
    m_marker->setText(text);
    m_marker->setToolTip(RaceSummaryText(m_record));
}
