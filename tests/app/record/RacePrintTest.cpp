#include "RacePrint.h"
#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "SpinEdit.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using RacePrintTest = MainWindowFixture;

// Pixels of one colour class on the page, and their mean height.
struct Ink
{
    int count = 0;
    double meanY = 0;
};

template <class Match> Ink find(const QImage &page, Match match)
{
    Ink ink;
    double sumY = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (match(page.pixelColor(x, y))) {
                ++ink.count;
                sumY += y;
            }
    ink.meanY = ink.count ? sumY / ink.count : 0;
    return ink;
}

} // namespace

TEST_F(RacePrintTest, ThePrintedTableShowsFastLapsGreenAndSlowLapsRed)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm is missing (poppler-utils, tools/install-deps)";
    ctrl(Qt::Key_S);
    at(21000); // 21,00 against 21,9: in time
    ctrl(Qt::Key_L);
    at(45000); // 24,00: slower
    ctrl(Qt::Key_L);

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("race.pdf")));
    ASSERT_TRUE(form.findChild<RacePrinter *>()->print(printer));

    QProcess render;
    const QStringList arguments
        = {QStringLiteral("-r"),          QStringLiteral("100"),    QStringLiteral("-png"),
           QStringLiteral("-singlefile"), printer.outputFileName(), dir.filePath(QStringLiteral("page"))};
    render.start(pdftoppm, arguments);
    ASSERT_TRUE(render.waitForFinished(60000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    page.save(qEnvironmentVariable("RUNDARO_TEST_OUTPUT", QStringLiteral(".")) + QStringLiteral("/printed_race.png"));

    const Ink green
        = find(page, [](QColor c) { return c.red() < 60 && c.green() > 90 && c.green() < 170 && c.blue() < 60; });
    const Ink red = find(page, [](QColor c) { return c.red() > 180 && c.green() < 70 && c.blue() < 70; });
    EXPECT_GT(green.count, 30);
    EXPECT_GT(red.count, 30);
    // The first lap's row lies above the second's.
    EXPECT_LT(green.meanY, red.meanY);
}

// A pair ("Paar") prints both skaters' races on one page, each under its
// name with its final time; 5000 m (25 laps each) is more than one page
// holds unscaled.
TEST_F(RacePrintTest, APairPrintsBothSkatersOnOnePage)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext is missing (poppler-utils, tools/install-deps)";
    child<TSpinEdit>("seLength")->setValue(5000);
    child<QCheckBox>("cbPair")->setChecked(true);
    child<QLineEdit>("eSkater")->setText(QStringLiteral("Anna"));
    child<QLineEdit>("eSkaterB")->setText(QStringLiteral("Berta"));
    ctrl(Qt::Key_S);
    for (std::int32_t lap = 1; lap <= 25; ++lap) {
        at(lap * 40000);
        ctrl(Qt::Key_L);
        at(lap * 40000 + 500);
        ctrl(Qt::Key_K);
    }
    ASSERT_FALSE(timer()->isActive()) << "both skaters finished";

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("pair.pdf")));
    ASSERT_TRUE(form.findChild<RacePrinter *>()->print(printer));

    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    ASSERT_EQ(text.exitCode(), 0) << text.readAllStandardError().toStdString();
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    // pdftotext ends each page with a form feed.
    EXPECT_EQ(printed.count(QLatin1Char('\f')), 1) << printed.toStdString();
    for (const char *expected :
         {"Läufer A \u2013 Anna", "Läufer B \u2013 Berta", "Endzeit: 16:40,00", "Endzeit: 16:40,50"})
        EXPECT_TRUE(printed.contains(QString::fromUtf8(expected))) << expected << "\n" << printed.toStdString();
    // A's race above B's; B's finish in its summary and in the last row
    // of its table, still on the page.
    EXPECT_LT(printed.indexOf(QStringLiteral("16:40,00")), printed.indexOf(QStringLiteral("16:40,50")));
    EXPECT_EQ(printed.count(QStringLiteral("16:40,50")), 2);

    QProcess render;
    render.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
                 {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                  printer.outputFileName(),
                  qEnvironmentVariable("RUNDARO_TEST_OUTPUT", QStringLiteral(".")) + QStringLiteral("/printed_pair")});
    EXPECT_TRUE(render.waitForFinished(60000));
}

TEST_F(RacePrintTest, AltDOpensThePrintDialog)
{
    ModalCloser closer;
    press(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(closer.texts(), QStringList(QStringLiteral("Rundentabelle drucken")));
}
