// What the window offers beyond timing: every race saved, the export, the
// printout, the help, the About box and quitting. Each is an object of its
// own that follows the window's race signals; the window only hands them its
// commands.
#include "Main.h"

#include "AboutBox.h"
#include "HelpWindow.h"
#include "RaceFeed.h"
#include "RaceExport.h"
#include "RaceFile.h"
#include "RacePrint.h"
#include "SortGrid.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

void TFormMain::createRaceFeatures()
{
    auto *raceFile = new RaceFile(*m_feed, this, m_services.RacesFolder);
    auto *exporter = new RaceExport(*m_feed, this);
    auto *printer = new RacePrinter(*m_feed, this);

    connect(Drucker1, &QAction::triggered, printer, &RacePrinter::printDialog);
    for (QAction *help : {Hilfe1, mHilfe})
        connect(help, &QAction::triggered, this, [this, raceFile] { HelpWindow::ShowFor(this, raceFile->folder()); });
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
