#include "MainWindowFixture.h"

#include <QAccessible>
#include <QSet>

// What a screen reader gets from the window: names and descriptions through
// the accessibility interfaces, which follow the laps to go, the ahead/behind
// seconds and the running time as the race runs.
namespace {

QString spoken(QObject *object, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(text) : QStringLiteral("<no interface>");
}

// The interfaces are asked directly: the offscreen platform has no bridge
// that would pass change events on to a reader. Qt sends those itself when
// a label's text or a widget's accessible name changes.
using AccessibilityTest = MainWindowFixture;

} // namespace

TEST_F(AccessibilityTest, CommandButtonsHaveGermanNamesAndTheirShortcuts)
{
    const struct
    {
        const char *button;
        const char16_t *name;
        const char *shortcut;
    } expected[] = {
        {"bStart", u"Start", "Strg+S"},
        {"bLAP", u"Runde", "Strg+L"},
        {"bStop", u"Stopp", "Strg+P"},
        {"bReset", u"Zurücksetzen", "Strg+0"},
    };
    for (const auto &e : expected) {
        QWidget *b = button(e.button);
        EXPECT_EQ(spoken(b), QString::fromUtf16(e.name)) << e.button;
        EXPECT_TRUE(spoken(b, QAccessible::Description).contains(QLatin1String(e.shortcut))) << e.button;
    }
}

TEST_F(AccessibilityTest, EveryEditorAndDisplayHasAName)
{
    // The set-up editors and the lap table's fields: distinct names, so that
    // a reader can tell them apart.
    QSet<QString> names;
    int editors = 0;
    for (QLineEdit *edit : form.findChildren<QLineEdit *>()) {
        if (edit->objectName().isEmpty())
            continue;
        const QString name = spoken(edit);
        EXPECT_FALSE(name.isEmpty()) << edit->objectName().toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        ++editors;
    }
    // Eight set-up editors, three lap table fields, the skater's name and a
    // pair's second skater's.
    EXPECT_EQ(editors, 13);

    // The large panels speak their captions and say what they are.
    for (const char *name : {"PanelKrugov", "PanelPlusMin", "pTimeOneKrug", "pTimeAverSpeed"}) {
        EXPECT_EQ(spoken(panel(name)), panel(name)->caption()) << name;
        EXPECT_FALSE(spoken(panel(name), QAccessible::Description).isEmpty()) << name;
    }
    EXPECT_EQ(spoken(child("PanelTimer")), QStringLiteral("Laufzeit 0 Min. 0 Sek."));
    EXPECT_EQ(spoken(grid()), QStringLiteral("Rundentabelle"));
}

TEST_F(AccessibilityTest, SpinEditorsAreSpinBoxesWithNamedArrows)
{
    struct Case
    {
        const char *editor;
        const char *name;
        double value, minimum, maximum;
    };
    const Case cases[] = {
        {"seKrugov", "Anzahl Runden", 15, 1, 999},
        {"seDopTime", "Startzugabe in Sekunden", 1.5, 0, 9.9},
    };
    for (const Case &c : cases) {
        QWidget *editor = child(c.editor);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(editor);
        ASSERT_NE(iface, nullptr) << c.editor;
        EXPECT_EQ(iface->role(), QAccessible::SpinBox) << c.editor;
        QAccessibleValueInterface *value = iface->valueInterface();
        ASSERT_NE(value, nullptr) << c.editor;
        EXPECT_DOUBLE_EQ(value->currentValue().toDouble(), c.value) << c.editor;
        EXPECT_DOUBLE_EQ(value->minimumValue().toDouble(), c.minimum) << c.editor;
        EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), c.maximum) << c.editor;
        EXPECT_EQ(iface->text(QAccessible::Value), editor->property("text").toString()) << c.editor;
        ASSERT_NE(iface->textInterface(), nullptr) << c.editor;
        EXPECT_EQ(iface->textInterface()->text(0, iface->textInterface()->characterCount()),
                  editor->property("text").toString())
            << c.editor;
        const QString name = QString::fromUtf8(c.name);
        EXPECT_EQ(spoken(editor->findChild<QWidget *>(QStringLiteral("UpButton"))), QStringLiteral("Mehr: ") + name);
        EXPECT_EQ(spoken(editor->findChild<QWidget *>(QStringLiteral("DownButton"))),
                  QStringLiteral("Weniger: ") + name);
    }
    // The step actions step the editor.
    QAccessibleInterface *laps = QAccessible::queryAccessibleInterface(child("seKrugov"));
    laps->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(laps->valueInterface()->currentValue().toInt(), 16);
    // Text written through the interface is typed text: it takes effect as
    // typing does, with Enter.
    laps->editableTextInterface()->replaceText(0, 2, QStringLiteral("20"));
    QTest::keyClick(child("seKrugov"), Qt::Key_Return);
    EXPECT_EQ(laps->valueInterface()->currentValue().toInt(), 20);
}

TEST_F(AccessibilityTest, ReadersAreToldOfTheRaceAsItRuns)
{
    ASSERT_EQ(spoken(panel("PanelKrugov")), QStringLiteral("15"));
    ASSERT_EQ(spoken(panel("PanelPlusMin")), QStringLiteral("+2"));

    ctrl(Qt::Key_S);
    tickAt(60000); // a minute in, no lap taken: laps are due and the skater is behind
    const QString lapsToGo = panel("PanelKrugov")->caption();
    const QString plusMin = panel("PanelPlusMin")->caption();
    ASSERT_NE(lapsToGo, QStringLiteral("15"));
    ASSERT_NE(plusMin, QStringLiteral("+2"));
    EXPECT_EQ(spoken(panel("PanelKrugov")), lapsToGo);
    EXPECT_EQ(spoken(panel("PanelPlusMin")), plusMin);
    EXPECT_EQ(spoken(child("PanelTimer")), QStringLiteral("Laufzeit 1 Min. 0 Sek."));

    // The running time is named in whole seconds.
    tickAt(60990);
    EXPECT_EQ(spoken(child("PanelTimer")), QStringLiteral("Laufzeit 1 Min. 0 Sek."));
    tickAt(61000);
    EXPECT_EQ(spoken(child("PanelTimer")), QStringLiteral("Laufzeit 1 Min. 1 Sek."));

    at(62340);
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_0);
    EXPECT_EQ(spoken(child("PanelTimer")), QStringLiteral("Laufzeit 0 Min. 0 Sek."));
    EXPECT_EQ(spoken(panel("PanelKrugov")), panel("PanelKrugov")->caption());
    EXPECT_EQ(spoken(panel("PanelPlusMin")), panel("PanelPlusMin")->caption());
}
