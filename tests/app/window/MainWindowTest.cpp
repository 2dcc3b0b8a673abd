#include "Colors.h"
#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "SpinEdit.h"
#include "TriggerStatus.h"

#include <QAbstractButton>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include <string_view>

namespace {

using MainWindowTest = MainWindowFixture;

QColor textColour(const QWidget *w, QPalette::ColorRole role = QPalette::WindowText)
{
    return w->palette().color(role);
}

} // namespace

TEST_F(MainWindowTest, CaptionTitleSizesAndFirstFocus)
{
    EXPECT_EQ(form.objectName(), QStringLiteral("FormMain"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Rundaro ver 1.0"));
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Rundaro"));
    EXPECT_EQ(form.size(), QSize(708, 483));
    EXPECT_EQ(form.minimumSize(), QSize(708, 440));
    EXPECT_EQ(form.pos(), QPoint(0, 0));
    EXPECT_EQ(QApplication::focusWidget(), child("seLength"));
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentWidget(), child("TabSheet1"));
}

TEST_F(MainWindowTest, EveryNamedControlIsThere)
{
    for (const char *name :
         {"PageControl1",   "TabSheet1",    "TabSheet2", "TabSheet3", "PanelBig",   "PanelKrugov", "Splitter1",
          "PanelPlusMin",   "Panel5",       "Panel6",    "PanelTime", "PanelTimer", "Panel11",     "pTimeOneKrug",
          "pTimeAverSpeed", "PanelControl", "Panel7",    "eTimeKrug", "eSpeedKrug", "eSpeedSredn", "SortGrid1",
          "cbPort",         "cbAlg",        "bStart",    "bLAP",      "bStop",      "bReset",      "LabMin",
          "LabSec",         "Lab_Min",      "Lab_sek",   "Lab_100"})
        child(name);
    EXPECT_EQ(child("PanelBig")->height(), 224);
    EXPECT_EQ(child("PanelControl")->height(), 62);
    EXPECT_EQ(child("Panel6")->width(), 113);
    EXPECT_EQ(child("Panel11")->width(), 204);
    EXPECT_EQ(child("pTimeAverSpeed")->height(), 41);
    EXPECT_EQ(child("Panel7")->height(), 39);
    EXPECT_EQ(child("PanelTimer")->geometry(), QRect(2, 2, 369, 130));
    EXPECT_EQ(textColour(child("PanelTimer"), QPalette::Window), Colors::clBlack());
    EXPECT_EQ(panel("PanelKrugov")->color(), Colors::clMedGray());
    EXPECT_EQ(panel("PanelPlusMin")->color(), Colors::clBlack());
    EXPECT_EQ(panel("pTimeOneKrug")->fontColor(), Colors::clBlue());
    EXPECT_EQ(panel("pTimeAverSpeed")->fontColor(), Colors::clGreen());
    for (const char *name : {"eTimeKrug", "eSpeedKrug", "eSpeedSredn"}) {
        auto *edit = child<QLineEdit>(name);
        EXPECT_EQ(edit->size(), QSize(81, 37)) << name;
        EXPECT_TRUE(edit->isReadOnly()) << name;
        EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus) << name;
        EXPECT_EQ(textColour(edit, QPalette::Text), Colors::clBlue()) << name;
    }
    EXPECT_EQ(editText("eSpeedSredn"), QStringLiteral("0,00"));
}

// The port's message can be selected for copying once its page is shown;
// before, the label is plain, so no frame builds a text control for it.
TEST_F(MainWindowTest, PortStateIsSelectableOnceItsPageIsShown)
{
    auto *label = child<QLabel>("LabPortState");
    EXPECT_FALSE(label->textInteractionFlags() & Qt::TextSelectableByMouse);
    child<QTabWidget>("PageControl1")->setCurrentWidget(child("TabSheet3"));
    EXPECT_EQ(label->textInteractionFlags(), Qt::TextSelectableByMouse);
}

TEST_F(MainWindowTest, CommandButtons)
{
    struct Case
    {
        const char *name;
        const char *caption;
        int top;
        QColor text;
    };
    const Case cases[] = {
        {"bStart", "&START", 2, Colors::clYellow()},
        {"bLAP", "&LAP", 35, form.palette().color(QPalette::WindowText)},
        {"bStop", "STOP&P", 68, Colors::clYellow()},
        {"bReset", "&0:00", 101, Colors::clYellow()},
    };
    for (const Case &c : cases) {
        TBitBtnWithColor *b = button(c.name);
        EXPECT_EQ(b->Caption(), QLatin1String(c.caption)) << c.name;
        EXPECT_EQ(b->geometry().top(), c.top) << c.name;
        EXPECT_EQ(b->size(), QSize(109, 30)) << c.name;
        EXPECT_EQ(b->font().pixelSize(), 19) << c.name;
        EXPECT_TRUE(b->font().bold()) << c.name;
        EXPECT_EQ(textColour(b, QPalette::ButtonText), c.text) << c.name;
    }
    EXPECT_EQ(button("bLAP")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainWindowTest, TimeDisplayLayout)
{
    const int digitLefts[] = {8, 56, 136, 184, 264, 312};
    const char *digitNames[] = {"Digit3", "Digit4", "Digit5", "Digit6", "Digit7", "Digit8"};
    for (int i = 0; i < 6; ++i) {
        auto *d = child<TDigit>(digitNames[i]);
        EXPECT_EQ(d->geometry(), QRect(digitLefts[i], 11, 45, 89)) << digitNames[i];
        EXPECT_EQ(d->Thickness(), 5);
        EXPECT_EQ(d->Separation(), 1);
        EXPECT_EQ(d->ColorOff(), Colors::clBlack());
        EXPECT_EQ(d->Color(), Colors::clBlack());
        EXPECT_EQ(d->Value(), 0);
    }
    struct Label
    {
        const char *name;
        const char *text;
        QRect geometry;
        int pixelSize;
    };
    const Label labels[] = {
        {"LabMin", ".", {112, 41, 25, 81}, 64},     {"LabSec", ",", {240, 41, 25, 81}, 64},
        {"Lab_Min", "Min.", {36, 106, 39, 22}, 19}, {"Lab_sek", "Sek.", {164, 106, 40, 22}, 19},
        {"Lab_100", "100", {294, 106, 33, 22}, 19},
    };
    for (const Label &l : labels) {
        auto *label = child<QLabel>(l.name);
        EXPECT_EQ(label->text(), QLatin1String(l.text)) << l.name;
        EXPECT_EQ(label->geometry(), l.geometry) << l.name;
        EXPECT_EQ(label->font().pixelSize(), l.pixelSize) << l.name;
        EXPECT_FALSE(label->autoFillBackground()) << l.name;
    }
    EXPECT_EQ(TFormMain::DigitColors[0], QColor::fromRgb(4210752 & 0xff, (4210752 >> 8) & 0xff, 4210752 >> 16));
    EXPECT_EQ(TFormMain::DigitColors[1], Colors::clYellow());
}

TEST_F(MainWindowTest, ShowDigitsDimsLeadingZerosWithoutBlankingThem)
{
    const QColor dim = TFormMain::DigitColors[0];
    const QColor lit = TFormMain::DigitColors[1];
    struct Case
    {
        int minutes, seconds, hundredths;
        const char *shown;
        QColor d3, d4, d5, minuteMarks;
    };
    const Case cases[] = {
        {0, 0, 0, "00.00,00", dim, dim, dim, dim},  {0, 9, 5, "00.09,05", dim, dim, dim, dim},
        {0, 10, 0, "00.10,00", dim, dim, lit, dim}, {1, 0, 0, "01.00,00", dim, lit, lit, lit},
        {10, 0, 0, "10.00,00", lit, lit, lit, lit}, {59, 59, 99, "59.59,99", lit, lit, lit, lit},
    };
    for (const Case &c : cases) {
        form.ShowDigits(c.minutes, c.seconds, c.hundredths);
        EXPECT_EQ(digits(), QLatin1String(c.shown));
        EXPECT_EQ(child<TDigit>("Digit3")->ColorOn(), c.d3) << c.shown;
        EXPECT_EQ(child<TDigit>("Digit4")->ColorOn(), c.d4) << c.shown;
        EXPECT_EQ(child<TDigit>("Digit5")->ColorOn(), c.d5) << c.shown;
        EXPECT_EQ(textColour(child("LabMin")), c.minuteMarks) << c.shown;
        EXPECT_EQ(textColour(child("Lab_Min")), c.minuteMarks) << c.shown;
        for (const char *name : {"Digit6", "Digit7", "Digit8"})
            EXPECT_EQ(child<TDigit>(name)->ColorOn(), lit) << name;
        for (const char *name : {"LabSec", "Lab_sek", "Lab_100"})
            EXPECT_EQ(textColour(child(name)), lit) << name;
    }
}

TEST_F(MainWindowTest, LeadingZerosAreDrawnDimOnBlack)
{
    form.ShowDigits(0, 7, 25);
    const QImage image = child("PanelTimer")->grab().toImage();
    auto count = [&image](const QRect &area, const QColor &colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    };
    const QColor dim = TFormMain::DigitColors[0];
    const QColor lit = TFormMain::DigitColors[1];
    for (const char *name : {"Digit3", "Digit4", "Digit5", "Digit6", "Digit8"}) {
        const QRect area = child(name)->geometry();
        const bool leading = name != std::string_view("Digit6") && name != std::string_view("Digit8");
        EXPECT_EQ(count(area, dim) > 100, leading) << name;
        EXPECT_EQ(count(area, lit) > 100, !leading) << name;
    }
    EXPECT_GT(count(child("Lab_Min")->geometry(), dim), 10);
    EXPECT_GT(count(child("Lab_sek")->geometry(), lit), 10);
    EXPECT_EQ(image.pixelColor(2, 2), Colors::clBlack());
}

TEST_F(MainWindowTest, TheLapsPanelTakesFortyPercentAndBothPanelsTheLargestFittingFont)
{
    for (int width : {708, 900, 1280}) {
        form.resize(width, 483);
        auto *laps = panel("PanelKrugov");
        EXPECT_EQ(laps->width(), (width / 10) * 4) << width;
        const QFont font = laps->font();
        EXPECT_LT(QFontMetrics(font).horizontalAdvance(QStringLiteral("99")), laps->width()) << width;
        QFont larger = font;
        larger.setPointSize(font.pointSize() + 1);
        if (font.pointSize() + 1 < laps->height() * 4 / 5) {
            EXPECT_GE(QFontMetrics(larger).horizontalAdvance(QStringLiteral("99")), laps->width()) << width;
        }
        EXPECT_EQ(panel("PanelPlusMin")->font(), font) << width;
        EXPECT_TRUE(font.bold());
    }
    form.resize(708, 483);
    EXPECT_EQ(panel("PanelKrugov")->width(), 280);
    EXPECT_EQ(panel("PanelKrugov")->height(), 222);
}

TEST_F(MainWindowTest, TheSplitterResizesTheLapsPanel)
{
    auto *laps = panel("PanelKrugov");
    auto *splitter = child("Splitter1");
    ASSERT_EQ(laps->width(), 280);
    const QPoint grip(1, 100);
    QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
    QTest::mouseMove(splitter, grip + QPoint(-50, 0));
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip + QPoint(-50, 0));
    QApplication::processEvents();
    EXPECT_EQ(laps->width(), 230);
    EXPECT_EQ(splitter->x(), laps->geometry().right() + 1);
    EXPECT_EQ(panel("PanelPlusMin")->x(), splitter->geometry().right() + 1);
    EXPECT_EQ(panel("PanelPlusMin")->geometry().right(), child("PanelBig")->contentsRect().right());
}

TEST_F(MainWindowTest, TheEditorsFitTheNarrowestWindow)
{
    form.resize(708, 440);
    QApplication::processEvents();
    auto *controls = child("PanelControl");
    for (QWidget *w : controls->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(controls->contentsRect().contains(w->geometry())) << w->objectName().toStdString();
        if (auto *label = qobject_cast<QLabel *>(w)) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
}

TEST_F(MainWindowTest, TheExportButtonFitsBetweenTheGroupsOfPanel7)
{
    form.resize(708, 440);
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    QApplication::processEvents();
    auto *exportButton = child<QPushButton>("bExport");
    EXPECT_EQ(exportButton->text(), QStringLiteral("Exportieren\u2026"));
    EXPECT_GE(exportButton->width(), exportButton->fontMetrics().horizontalAdvance(exportButton->text()));
    // Left of the right-hand group, clear of every other control.
    for (QWidget *w : child("Panel7")->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w != exportButton) {
            EXPECT_FALSE(w->geometry().intersects(exportButton->geometry())) << w->objectName().toStdString();
        }
    }
    EXPECT_LT(exportButton->geometry().right(), child("eSpeedSredn")->x());
}

TEST_F(MainWindowTest, TabOrderOfThePlanEditors)
{
    const char *order[] = {"seLength", "seLenKrug", "seKrugov", "seMin", "seSek", "seDopTime", "seTime", "seLengthDop"};
    child(order[0])->setFocus();
    for (int i = 1; i < 8; ++i) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), child(order[i])) << order[i];
    }
}

TEST_F(MainWindowTest, TheHiddenMenu)
{
    auto *menu = child<QMenu>("MainMenu1");
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(menu->actions(), QList<QAction *>{item("HideMenu1")});
    EXPECT_FALSE(item("HideMenu1")->isVisible());
    EXPECT_EQ(item("HideMenu1")->text(), QStringLiteral("HideMenu"));
    struct Case
    {
        const char *name;
        const char *caption;
        const char *keys;
        bool enabled;
    };
    const Case cases[] = {
        {"mStart", "&Start", "Ctrl+S", true},
        {"mLAP", "&Lap", "Ctrl+L", false},
        {"mStop", "Sto&pp", "Ctrl+P", false},
        {"mReset", "0,00", "Ctrl+0", false},
        {"N2", "-", "", true},
        {"Hilfe1", "H&ilfe", "Alt+I", true},
        {"Drucker1", "&Drucker", "Alt+D", true},
        {"Beenden1", "&Beenden", "Alt+B", true},
        {"mHilfe", "Hilfe", "F1", true},
        {"showLAP", "+LAP", "Ctrl+L", true},
        {"mFullScreen", "&Vollbild", "F11", true},
        {"mUndo", "Runde &zurücknehmen", "Ctrl+Z", false},
        {"mAbout", "Über Rundaro", "Shift+F1", true},
        {"mRaces", "&Rennen…", "Ctrl+O", true},
        {"mResults", "&Ergebnisse…", "Ctrl+R", true},
    };
    const QList<QAction *> items = item("HideMenu1")->menu()->actions();
    ASSERT_EQ(items.size(), qsizetype(std::size(cases)));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Case &c = cases[i];
        EXPECT_EQ(items[i]->objectName(), QLatin1String(c.name));
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(items[i]->property("ShortCut").value<QKeySequence>(), QKeySequence(QLatin1String(c.keys))) << c.name;
        EXPECT_EQ(items[i]->isEnabled(), c.enabled) << c.name;
    }
    EXPECT_TRUE(item("N2")->isSeparator());
}

TEST_F(MainWindowTest, F1AndAltIShowTheOneHelpWindow)
{
    press(Qt::Key_F1);
    auto *help = form.findChild<QTextBrowser *>(QStringLiteral("HelpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->toPlainText();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(env.racesFolder())));
    // In the window's own words: the trigger's states as the label shows
    // them (first line), the switches and fields as they are labelled.
    auto *status = form.findChild<TriggerStatus *>();
    ASSERT_NE(status, nullptr);
    QStringList words;
    status->showLost(QStringLiteral("/dev/ttyUSB0"), 5);
    words << child<QLabel>("LabTrigger")->text().section(QLatin1Char('\n'), 0, 0);
    status->showReady(QStringLiteral("/dev/ttyUSB0"));
    words << child<QLabel>("LabTrigger")->text().section(QLatin1Char('\n'), 0, 0);
    status->showNoPort();
    words << child<QLabel>("LabTrigger")->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (const char *name : {"cbSound", "cbLastLap", "cbCallOuts"})
        words << child<QAbstractButton>(name)->text();
    words << QStringLiteral("Anzeige") << QStringLiteral("Zusatzliche") << QStringLiteral("Startzugabe");
    for (const QString &word : words)
        EXPECT_TRUE(text.contains(word)) << word.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("verloren")));
    // Escape closes it.
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    press(Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(form.findChildren<QTextBrowser *>().size(), 1);
    EXPECT_TRUE(button("bStart")->isEnabled());
}

TEST_F(MainWindowTest, ShiftF1AndTheHelpsLinkShowTheAboutBox)
{
    ModalCloser closer;
    press(Qt::Key_F1, Qt::ShiftModifier);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    press(Qt::Key_F1);
    auto *help = form.findChild<QTextBrowser *>(QStringLiteral("HelpWindow"));
    ASSERT_NE(help, nullptr);
    emit help->anchorClicked(QUrl(QStringLiteral("about:rundaro")));
    ASSERT_EQ(closer.count(), 2);
    for (const QString &text : closer.texts()) {
        for (const char *part : {"Rundaro 1.0", "Lizenz: propriet", "Qt Multimedia", "GPL-3"})
            EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
        // The chart is painted by the program's own module: no Qt Charts.
        EXPECT_FALSE(text.contains(QLatin1String("Qt Charts")));
    }
    help->close();
}

TEST_F(MainWindowTest, AltBEndsTheProgramLikeTheCloseButtonAndTheSettingsAreStored)
{
    form.hide();
    {
        TFormMain program(env.services());
        program.show();
        program.findChild<TSpinEdit *>(QStringLiteral("seKrugov"))->setValue(12);
        bool lastClosed = false;
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &program, [&lastClosed] { lastClosed = true; });
        // Through the window system's queue, as a real key press comes: a key
        // sent to the widget itself leaves the application's loop running.
        QTimer::singleShot(0, &program,
                           [&program] { QTest::keyClick(program.windowHandle(), Qt::Key_B, Qt::AltModifier); });
        // Ends the loop only if the window stays open.
        QTimer fallback;
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, qApp, &QCoreApplication::quit);
        fallback.start(10000);
        QApplication::exec();
        EXPECT_TRUE(lastClosed);
        EXPECT_FALSE(program.isVisible());
    }
    EXPECT_EQ(env.stored("Krugs"), 12u);
}
