#include "Languages.h"
#include "HelpWindow.h"
#include "LapColumns.h"
#include "Main.h"
#include "SettingsOrder.h"
#include "SortGrid.h"
#include "TestOutput.h"
#include "TestServices.h"
#include "TriggerStatus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <algorithm>

// The window in each language at its minimum size: a picture of every tab,
// no text cut, the help in the window's words and Qt's own texts in the
// same language.
namespace {

struct LanguageCase
{
    Language language;
    const char *soundBox; // the race sounds' switch, proof of the language
    const char *helpHeading; // the help's first heading
    const char *qtCancel; // Qt's own "Cancel" (nullptr: Qt's English)
};

const LanguageCase kCases[] = {
    {Language::German, "Ton", "Befehle", "Abbrechen"},
    {Language::English, "Sound", "Commands", nullptr},
    {Language::Dutch, "Geluid", "Opdrachten", "Annuleren"},
};

// Why `widget`'s text does not fit it; empty when it fits.
QString cutText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        const int room = label->contentsRect().width() - 2 * label->margin();
        const QStringList pieces = label->wordWrap() ? label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                                     : label->text().split(QLatin1Char('\n'));
        for (const QString &piece : pieces) {
            if (label->fontMetrics().horizontalAdvance(piece) > room)
                return QStringLiteral("\"%1\" needs %2 px, has %3")
                    .arg(piece)
                    .arg(label->fontMetrics().horizontalAdvance(piece))
                    .arg(room);
        }
        if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            return QStringLiteral("\"%1\" needs more lines than fit").arg(label->text());
        return {};
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        // Spin arrows and the tab bar's scroll buttons carry no text.
        if (button->text().isEmpty())
            return {};
        // A check box needs its box beside the text; a push button's size
        // hint has a style's minimum width, so it needs its text and margin.
        const int needs = qobject_cast<QCheckBox *>(button)
            ? button->sizeHint().width()
            : button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')))
                + button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        if (needs > button->width())
            return QStringLiteral("\"%1\" needs %2 px, has %3").arg(button->text()).arg(needs).arg(button->width());
    }
    return {};
}

class LanguagesTest : public ::testing::TestWithParam<LanguageCase>
{
protected:
    void SetUp() override { ASSERT_TRUE(translations.install(GetParam().language)); }

    Translations translations;
    TestServices env;
};

} // namespace

TEST_P(LanguagesTest, EveryTabFitsTheMinimumSize)
{
    const QString code = LanguageCode(GetParam().language);
    TFormMain form(env.services());
    form.show();
    form.resize(form.minimumSize());
    ASSERT_EQ(form.size(), QSize(708, 440));
    EXPECT_EQ(form.findChild<QAbstractButton *>(QStringLiteral("cbSound"))->text(),
              QString::fromUtf8(GetParam().soundBox));
    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    int checked = 0;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        const QString page = tabs->widget(tab)->objectName();
        saveTestPng(&form, QStringLiteral("language_%1_%2").arg(code, page));
        for (QWidget *widget : form.findChildren<QWidget *>()) {
            if (!widget->isVisible() || !(qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)))
                continue;
            ++checked;
            const QString cut = cutText(widget);
            EXPECT_TRUE(cut.isEmpty()) << code.toStdString() << ", " << page.toStdString() << ": "
                                       << widget->objectName().toStdString() << " " << cut.toStdString();
        }
    }
    // The texts of the window, of its three tabs at least; the chart draws its own.
    EXPECT_GT(checked, 40);
    // The lap table shortens a header wider than its column ("RealSoll.."
    // in German already); a translation shortens none that German shows whole.
    auto *grid = form.findChild<TSortGrid *>(QStringLiteral("SortGrid1"));
    ASSERT_NE(grid, nullptr);
    const QFontMetrics metrics(grid->font());
    for (int col = 0; col < int(std::size(kLapColumns)); ++col) {
        const int room
            = std::max(grid->ColWidths(col) - 1, metrics.horizontalAdvance(QString::fromUtf8(kLapColumns[col].header)));
        EXPECT_LE(metrics.horizontalAdvance(grid->Cells(col, 0)), room) << grid->Cells(col, 0).toStdString();
    }

    // The question a close asks while the clock runs, in its bar.
    tabs->setCurrentIndex(0);
    form.findChild<QAbstractButton *>(QStringLiteral("bStart"))->click();
    form.close();
    auto *bar = form.findChild<QWidget *>(QStringLiteral("QuitQuestionBar"));
    ASSERT_TRUE(bar && bar->isVisible());
    QApplication::processEvents();
    saveTestPng(&form, QStringLiteral("language_%1_quit_question").arg(code));
    for (QWidget *widget : bar->findChildren<QWidget *>()) {
        if (widget->isVisible()) {
            EXPECT_TRUE(cutText(widget).isEmpty()) << code.toStdString() << ": " << cutText(widget).toStdString();
        }
    }
}

TEST_P(LanguagesTest, TheHelpUsesTheWindowsWords)
{
    TFormMain form(env.services());
    form.show();
    HelpWindow *help = HelpWindow::showFor(&form, env.racesFolder());
    const QString text = help->toPlainText();
    EXPECT_TRUE(text.contains(QString::fromUtf8(GetParam().helpHeading)));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(env.racesFolder())));
    // The trigger's states as the label shows them (first line), the
    // switches as they are labelled, the fields by their labels' words.
    auto *status = form.findChild<TriggerStatus *>();
    auto *trigger = form.findChild<QLabel *>(QStringLiteral("LabTrigger"));
    ASSERT_TRUE(status && trigger);
    QStringList words;
    status->showLost(QStringLiteral("/dev/ttyUSB0"), 5);
    words << trigger->text().section(QLatin1Char('\n'), 0, 0);
    status->showReady(QStringLiteral("/dev/ttyUSB0"));
    words << trigger->text().section(QLatin1Char('\n'), 0, 0);
    status->showNoPort();
    words << trigger->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (const char *name : {"cbSound", "cbLastLap", "cbCallOuts"})
        words << form.findChild<QAbstractButton *>(QString::fromLatin1(name))->text();
    for (QLabel *label : form.findChildren<QLabel *>()) {
        const QString buddy = label->buddy() ? label->buddy()->objectName() : QString();
        if (buddy == QLatin1String("cbDisplay") || buddy == QLatin1String("seLengthDop")
            || buddy == QLatin1String("seDopTime") || buddy == QLatin1String("seLength"))
            words << label->text().remove(QLatin1Char(':')).trimmed();
    }
    EXPECT_EQ(words.size(), 10);
    for (const QString &word : words)
        EXPECT_TRUE(text.contains(word)) << word.toStdString();
    help->close();
}

TEST_P(LanguagesTest, QtsOwnTextsFollow)
{
    const char *cancel = GetParam().qtCancel;
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(cancel ? cancel : "Cancel"));
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguagesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LanguageCase> &info) {
                             return LanguageCode(info.param.language).toStdString();
                         });

// The choice is stored after the values before it and read back, before the
// window is made, at the next start.
TEST(LanguageChoice, IsStoredAndReadBackAtTheNextStart)
{
    TestServices env;
    const std::string key = rundaro::RegistryKeyFor(QCoreApplication::applicationFilePath().toStdString());
    EXPECT_EQ(StoredLanguage(*env.services().Store, key), Language::German);
    {
        TFormMain form(env.services());
        form.show();
        auto *choice = form.findChild<QComboBox *>(QStringLiteral("cbLanguage"));
        ASSERT_NE(choice, nullptr);
        ASSERT_EQ(choice->count(), kLanguageCount);
        EXPECT_EQ(choice->itemText(2), QStringLiteral("Nederlands"));
        choice->setCurrentIndex(2);
        form.close();
    }
    EXPECT_EQ(env.stored("Language"), 2u);
    EXPECT_EQ(StoredLanguage(*env.services().Store, key), Language::Dutch);
    TFormMain again(env.services());
    EXPECT_EQ(again.findChild<QComboBox *>(QStringLiteral("cbLanguage"))->currentIndex(), 2);
    EXPECT_EQ(LanguageFromValue(7), Language::German);
}
