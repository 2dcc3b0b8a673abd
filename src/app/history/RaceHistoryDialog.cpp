#include "RaceHistoryDialog.h"

#include "RaceHistory.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

RaceHistoryDialog::RaceHistoryDialog(RaceHistory &history, QWidget *parent)
    : QDialog(parent)
    , m_history(history)
    , m_filter(new RaceHistoryFilter(this))
    , m_view(new QTableView(this))
    , m_skater(new QComboBox(this))
    , m_distance(new QComboBox(this))
    , m_count(new QLabel(this))
{
    setObjectName(QStringLiteral("RaceHistoryDialog"));
    setWindowTitle(tr("Rennen"));
    m_filter->setSourceModel(&history.model());
    m_view->setModel(m_filter);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    // Rows of one height, so that thousands of rows never ask for their sizes.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    // Widths for the texts the columns hold, so that nothing is measured row by row.
    const QFontMetrics metrics = m_view->fontMetrics();
    const char16_t *samples[] = {
        u"2024-05-06_10-00-00.csv", u"00:00:00 ", u"Annemarie Muster", u"10000 m ", u"Runden ", u"00:00,00 ", u"00,0 "};
    for (int col = 0; col < int(std::size(samples)); ++col)
        m_view->setColumnWidth(col, metrics.horizontalAdvance(QString::fromUtf16(samples[col])) + 12);
    m_skater->setObjectName(QStringLiteral("cbHistorySkater"));
    m_distance->setObjectName(QStringLiteral("cbHistoryDistance"));

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Läufer:"), this));
    filters->addWidget(m_skater, 1);
    filters->addWidget(new QLabel(tr("Strecke:"), this));
    filters->addWidget(m_distance);
    filters->addWidget(m_count);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *open = buttons->addButton(tr("Öffnen"), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("bHistoryOpen"));
    QPushButton *compare = buttons->addButton(tr("Als Vergleich"), QDialogButtonBox::ActionRole);
    compare->setObjectName(QStringLiteral("bHistoryCompare"));
    QPushButton *results = buttons->addButton(tr("Ergebnisse…"), QDialogButtonBox::ActionRole);
    results->setObjectName(QStringLiteral("bHistoryResults"));
    QPushButton *exportButton = buttons->addButton(tr("Exportieren…"), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("bHistoryExport"));
    QPushButton *print = buttons->addButton(tr("Drucken…"), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("bHistoryPrint"));
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(open, &QPushButton::clicked, this, [this] {
        if (const RaceHistoryEntry *entry = current(); entry && entry->readable())
            emit openRequested(*entry);
    });
    connect(compare, &QPushButton::clicked, this, [this] {
        if (const RaceHistoryEntry *entry = current(); entry && entry->readable())
            emit referenceChosen(*entry);
    });
    connect(results, &QPushButton::clicked, this, [this] {
        const RaceHistoryEntry *entry = current();
        emit resultsRequested(entry && entry->readable() ? QString::fromStdString(entry->race.date) : QString());
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        if (const RaceHistoryEntry *entry = current(); entry && entry->readable())
            emit exportRequested(*entry);
    });
    connect(print, &QPushButton::clicked, this, [this] {
        if (const RaceHistoryEntry *entry = current(); entry && entry->readable())
            emit printRequested(*entry);
    });
    connect(m_view, &QTableView::doubleClicked, open, &QPushButton::click);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_view, 1);
    layout->addWidget(buttons);
    resize(720, 420);

    m_skater->addItem(tr("Alle"));
    m_distance->addItem(tr("Alle"), 0);
    connect(&history, &RaceHistory::changed, this, &RaceHistoryDialog::refreshChoices);
    connect(m_skater, &QComboBox::currentIndexChanged, this, &RaceHistoryDialog::applyFilter);
    connect(m_distance, &QComboBox::currentIndexChanged, this, &RaceHistoryDialog::applyFilter);
    refreshChoices();
}

void RaceHistoryDialog::refreshChoices()
{
    // The names come sorted from the history; distances are gathered here.
    const QStringList names = m_history.names()->stringList();
    for (const QString &name : names)
        if (m_skater->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0)
            m_skater->addItem(name);
    std::set<qint64> distances;
    for (int i = 1; i < m_distance->count(); ++i)
        distances.insert(m_distance->itemData(i).toLongLong());
    const RaceHistoryModel &model = m_history.model();
    if (model.size() < m_seen) // read anew
        m_seen = 0;
    // Only the rows added since the last look.
    for (int row = m_seen; row < model.size(); ++row)
        if (model.entry(row).readable())
            distances.insert(model.entry(row).race.setup.trackLength);
    m_seen = model.size();
    for (qint64 metres : distances)
        if (m_distance->findData(metres) < 0)
            m_distance->addItem(QStringLiteral("%1 m").arg(metres), metres);
    m_count->setText(tr("%n Rennen", nullptr, m_filter->rowCount()));
}

void RaceHistoryDialog::applyFilter()
{
    m_filter->setSkater(m_skater->currentIndex() > 0 ? m_skater->currentText() : QString());
    m_filter->setDistance(m_distance->currentData().toLongLong());
    m_count->setText(tr("%n Rennen", nullptr, m_filter->rowCount()));
}

const RaceHistoryEntry *RaceHistoryDialog::current() const
{
    const QModelIndex index = m_filter->mapToSource(m_view->currentIndex());
    return index.isValid() ? &m_history.model().entry(index.row()) : nullptr;
}
