// What the window offers beyond timing: every race saved, the export, the
// printout, the help, the About box, quitting (asked while the race runs)
// and the notice of races cut short. Each is an object of its
// own that follows the window's race signals; the window only hands them its
// commands.
#include "Main.h"

#include "AboutBox.h"
#include "HelpWindow.h"
#include "InterruptedRaces.h"
#include "MessageBar.h"
#include "QuitQuestion.h"
#include "RaceExport.h"
#include "RaceFeed.h"
#include "RaceFile.h"
#include "RacePrint.h"
#include "SortGrid.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

void TFormMain::createRaceFeatures()
{
    auto *raceFile = new RaceFile(*m_feed, this, m_services.RacesFolder);
    // After the race file: a close held back by the question never reaches it.
    new QuitQuestion(*m_feed, this);
    auto *interrupted = new InterruptedRaces(raceFile->folder(), this);
    connect(interrupted, &InterruptedRaces::found, this, [this](const QList<InterruptedRaces::Race> &races) {
        auto *notice = new MessageBar(this);
        notice->setObjectName(QStringLiteral("InterruptedRacesBar"));
        notice->setText(InterruptedRaces::notice(races));
        connect(notice->addButton(tr("OK")), &QPushButton::clicked, notice, [notice] {
            notice->hide();
            notice->deleteLater();
        });
        notice->showBar();
    });
    auto *exporter = new RaceExport(*m_feed, this);
    auto *printer = new RacePrinter(*m_feed, this);

    connect(Drucker1, &QAction::triggered, printer, &RacePrinter::printDialog);
    for (QAction *help : {Hilfe1, mHilfe})
        connect(help, &QAction::triggered, this, [this, raceFile] { HelpWindow::showFor(this, raceFile->folder()); });
    connect(mAbout, &QAction::triggered, this, [this] { ShowAboutBox(this); });
    // As the window's close button: the settings are stored when the window goes.
    connect(Beenden1, &QAction::triggered, this, &QWidget::close);
    connect(bExport, &QPushButton::clicked, exporter, &RaceExport::exportRace);

    PopupMenu1 = new QMenu(SortGrid1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(mUndo);
    QAction *exportItem = PopupMenu1->addAction(tr("Exportieren…"));
    exportItem->setObjectName(QStringLiteral("mExport"));
    connect(exportItem, &QAction::triggered, exporter, &RaceExport::exportRace);
    SortGrid1->SetPopupMenu(PopupMenu1);
}
