#include "RacePrint.h"
#include "MainWindowFixture.h"
#include "ModalCloser.h"

#include <QImage>
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

TEST_F(RacePrintTest, AltDOpensThePrintDialog)
{
    ModalCloser closer;
    press(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(closer.texts(), QStringList(QStringLiteral("Rundentabelle drucken")));
}
