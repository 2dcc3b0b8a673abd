#include "RaceResultsDialog.h"

#include "Modules.h"
#include "PrintModule.h"
#include "RaceFileActions.h"
#include "RaceHistory.h"
#include "RaceResultsCsv.h"
#include "RaceResultsModel.h"
#include "RaceResultsPrint.h"
#include "RaceSheetTexts.h"
#include "RaceStatus.h"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <iterator>
#include <vector>

namespace {

std::vector<const RaceHistoryEntry *> readableEntries(const RaceHistoryModel &model)
{
    std::vector<const RaceHistoryEntry *> entries;
    entries.reserve(std::size_t(model.size()));
    for (int i = 0; i < model.size(); ++i)
        if (model.entry(i).readable())
            entries.push_back(&model.entry(i));
    return entries;
}

// The longest name the field "Läufer" takes.
constexpr int kLongestName = 60;

} // namespace

RaceResultsDialog::RaceResultsDialog(RaceHistory &history, QWidget *parent)
    : QDialog(parent)
    , m_history(history)
    , m_removed(new RaceHistory(RemovedRacesFolder(history.folder()), this))
    , m_model(new RaceResultsModel(this))
    , m_view(new QTableView(this))
    , m_day(new QComboBox(this))
    , m_count(new QLabel(this))
{
    setObjectName(QStringLiteral("RaceResultsDialog"));
    m_removed->setObjectName(QStringLiteral("RemovedRaces"));
    setWindowTitle(tr("Ergebnisse"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics = m_view->fontMetrics();
    const char16_t *samples[]
        = {u"00:00:00 ", u"Annemarie Muster", u"10000 m ", u"00:00,00 ", u"unterbrochen ", u"Tagesbeste "};
    for (int col = 0; col < int(std::size(samples)); ++col)
        m_view->setColumnWidth(col, metrics.horizontalAdvance(QString::fromUtf16(samples[col])) + 12);
    m_day->setObjectName(QStringLiteral("cbResultsDay"));
    // Room for a whole date ("dd.MM.yyyy").
    m_day->setMinimumContentsLength(11);
    m_day->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_count->setObjectName(QStringLiteral("lResultsCount"));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Tag:"), this));
    top->addWidget(m_day);
    top->addWidget(m_count, 1);

    auto *buttons = new QDialogButtonBox(this);
    auto add = [&](const QString &text, const char16_t *name) {
        QPushButton *button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromUtf16(name));
        button->setAutoDefault(false);
        return button;
    };
    m_rename = add(tr("Namen ändern…"), u"bResultsRename");
    m_remove = add(tr("Entfernen"), u"bResultsRemove");
    m_restore = add(tr("Wiederherstellen"), u"bResultsRestore");
    QPushButton *printButton = add(tr("Drucken…"), u"bResultsPrint");
    QPushButton *exportButton = add(tr("Exportieren…"), u"bResultsExport");
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_rename, &QPushButton::clicked, this, &RaceResultsDialog::askName);
    connect(m_remove, &QPushButton::clicked, this, [this] { act(&RaceResultsDialog::removeRace); });
    connect(m_restore, &QPushButton::clicked, this, [this] { act(&RaceResultsDialog::restoreRace); });
    connect(printButton, &QPushButton::clicked, this, &RaceResultsDialog::print);
    connect(exportButton, &QPushButton::clicked, this, &RaceResultsDialog::exportCsv);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addWidget(buttons);
    resize(760, 420);

    connect(&history, &RaceHistory::changed, this, &RaceResultsDialog::refresh);
    connect(&history, &RaceHistory::complete, this, &RaceResultsDialog::refresh);
    connect(m_removed, &RaceHistory::changed, this, &RaceResultsDialog::refresh);
    connect(m_removed, &RaceHistory::complete, this, &RaceResultsDialog::refresh);
    connect(m_day, &QComboBox::currentIndexChanged, this, &RaceResultsDialog::rebuild);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &RaceResultsDialog::updateButtons);
    connect(m_model, &QAbstractItemModel::modelReset, this, &RaceResultsDialog::updateButtons);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &RaceResultsDialog::updateButtons);
    updateButtons();
}

bool RaceResultsDialog::isReady() const
{
    return m_history.isComplete() && m_removed->isComplete();
}

void RaceResultsDialog::reload()
{
    m_history.reload();
    m_removed->reload();
}

void RaceResultsDialog::showDay(const QString &date)
{
    m_wantedDay = date;
    refresh();
}

void RaceResultsDialog::refresh()
{
    // The list is made from whole folders only: a personal best needs every
    // earlier race, and a list made batch by batch would be made again and
    // again while thousands of files are read.
    if (!isReady()) {
        m_count->setText(tr("Die Rennen werden gelesen …"));
        return;
    }
    std::vector<const rundaro::StoredRace *> races;
    for (const RaceHistoryModel *model : {&m_history.model(), &m_removed->model()})
        for (const RaceHistoryEntry *entry : readableEntries(*model))
            races.push_back(&entry->race);
    QStringList days;
    for (const std::string &day : rundaro::RaceDays(races))
        days << QString::fromStdString(day);
    const QString current = m_wantedDay.isEmpty() ? m_day->currentText() : m_wantedDay;
    {
        const QSignalBlocker blocker(m_day);
        m_day->clear();
        m_day->addItems(days);
        const int at = m_day->findText(current);
        m_day->setCurrentIndex(at >= 0 ? at : (days.isEmpty() ? -1 : 0));
    }
    if (m_day->currentText() == m_wantedDay)
        m_wantedDay.clear();
    rebuild();
}

void RaceResultsDialog::rebuild()
{
    if (!isReady())
        return;
    m_model->setDay(readableEntries(m_history.model()), readableEntries(m_removed->model()), m_day->currentText());
    int listed = 0;
    for (int i = 0; i < m_model->size(); ++i)
        listed += m_model->row(i).removed ? 0 : 1;
    m_count->setText(tr("%n Rennen", nullptr, listed));
}

int RaceResultsDialog::currentRow() const
{
    const QModelIndex index = m_view->currentIndex();
    return index.isValid() && index.row() < m_model->size() ? index.row() : -1;
}

void RaceResultsDialog::updateButtons()
{
    const int row = currentRow();
    const bool removed = row >= 0 && m_model->row(row).removed;
    m_rename->setEnabled(row >= 0 && !removed);
    m_remove->setEnabled(row >= 0 && !removed);
    m_restore->setEnabled(removed);
}

bool RaceResultsDialog::checkEditable(int row, QString &error) const
{
    if (row < 0 || row >= m_model->size()) {
        error = tr("Kein Rennen gewählt.");
        return false;
    }
    // The window still writes a running race's file after every passing.
    if (m_model->row(row).entry.race.status == rundaro::kStatusRunning) {
        error = tr("Das Rennen läuft noch.");
        return false;
    }
    return true;
}

bool RaceResultsDialog::correctName(int row, const QString &name, QString &error)
{
    if (!checkEditable(row, error))
        return false;
    const RaceResultsModel::Row &r = m_model->row(row);
    if (r.removed) {
        error = tr("Ein entferntes Rennen wird erst wiederhergestellt.");
        return false;
    }
    // One line, as the field "Läufer" takes it.
    QString clean = name;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');
    clean = clean.trimmed().left(kLongestName);
    if (clean.toStdString() == r.entry.race.skater)
        return true;
    if (!CorrectRaceSkater(r.entry.path, clean, error))
        return false;
    m_model->markRenamed(row, clean);
    m_history.reload();
    return true;
}

bool RaceResultsDialog::removeRace(int row, QString &error)
{
    if (!checkEditable(row, error) || m_model->row(row).removed)
        return false;
    QString movedTo;
    if (!MoveRaceFile(m_model->row(row).entry.path, m_removed->folder(), movedTo, error))
        return false;
    m_model->markMoved(row, movedTo, true);
    reload();
    return true;
}

bool RaceResultsDialog::restoreRace(int row, QString &error)
{
    if (row < 0 || row >= m_model->size() || !m_model->row(row).removed) {
        error = tr("Kein entferntes Rennen gewählt.");
        return false;
    }
    QString movedTo;
    if (!MoveRaceFile(m_model->row(row).entry.path, m_history.folder(), movedTo, error))
        return false;
    m_model->markMoved(row, movedTo, false);
    reload();
    return true;
}

void RaceResultsDialog::askName()
{
    const int row = currentRow();
    if (row < 0)
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Namen ändern"), tr("Läufer:"), QLineEdit::Normal,
                                               QString::fromStdString(m_model->row(row).entry.race.skater), &ok);
    if (!ok)
        return;
    QString error;
    if (!correctName(row, name, error))
        QMessageBox::warning(this, tr("Namen ändern"), error);
}

void RaceResultsDialog::act(bool (RaceResultsDialog::*action)(int, QString &))
{
    QString error;
    if (!(this->*action)(currentRow(), error))
        QMessageBox::warning(this, tr("Ergebnisse"), error);
}

void RaceResultsDialog::print()
{
    auto *module = qobject_cast<PrintModule *>(LoadModule("rundaro_print"));
    if (!module) {
        QMessageBox::warning(this, tr("Drucken"), tr("Das Drucken steht nicht zur Verfügung: das Druckmodul fehlt."));
        return;
    }
    const auto result = module->printWithDialog(this, tr("Ergebnisse drucken"), [this](QPagedPaintDevice &printer) {
        return PrintRaceResults(printer, *m_model);
    });
    if (result == PrintModule::Result::Failed)
        QMessageBox::warning(this, tr("Drucken"), tr("Der Drucker oder die Datei lässt sich nicht beschreiben."));
}

void RaceResultsDialog::exportCsv()
{
    if (m_lastFolder.isEmpty())
        m_lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDate day = QDate::fromString(m_model->day(), QStringLiteral("dd.MM.yyyy"));
    const QString name = tr("Ergebnisse") + u'-' + day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".csv");
    QFileDialog dialog(this, tr("Ergebnisse exportieren"), QDir(m_lastFolder).filePath(name),
                       tr("CSV-Dateien (*.csv)"));
    dialog.setObjectName(QStringLiteral("ResultsExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    QString error;
    if (!WriteWholeFile(path, RaceResultsCsv(*m_model), error))
        QMessageBox::warning(
            this, tr("Exportieren"),
            tr("Die Datei konnte nicht geschrieben werden.\n\n%1\n%2").arg(QDir::toNativeSeparators(path), error));
}
