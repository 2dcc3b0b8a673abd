// Construction of the main window's controls. A provisional layout: the
// sizes, fonts and colours of the finished window come with the display.
#include "Main.h"

#include "FlEdit.h"
#include "Panel.h"
#include "PlanEditors.h"
#include "SpinButtons.h"
#include "SpinEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QFont boldFont(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QString fromTable(const char16_t *text)
{
    return QString::fromUtf16(text);
}

TSpinEdit *createSpinEdit(const PlanEditorSpec &spec, QWidget *parent)
{
    auto *edit = new TSpinEdit(parent);
    edit->setObjectName(fromTable(spec.name));
    edit->setMinValue(spec.minValue);
    edit->setMaxValue(spec.maxValue);
    edit->setIncrement(spec.increment);
    edit->setTypingLimit(spec.typingLimit);
    edit->setValue(spec.initial);
    return edit;
}

QLineEdit *createDisplayEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(QStringLiteral("0,00"), parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedSize(81, 37);
    edit->setFont(boldFont(QStringLiteral("MS Sans Serif"), 24));
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    p.setColor(QPalette::Text, Qt::blue);
    edit->setPalette(p);
    return edit;
}

TPanel *createPanel(const QString &name, QWidget *parent)
{
    auto *panel = new TPanel(parent);
    panel->setObjectName(name);
    return panel;
}

} // namespace

void TFormMain::createWidgets()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(createInlineTab(), QStringLiteral("Inline"));
    PageControl1->addTab(createControlTab(), QStringLiteral("Control"));
    auto *configuration = new QWidget(PageControl1);
    configuration->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(configuration, QStringLiteral("Configuration"));
    setCentralWidget(PageControl1);
}

QWidget *TFormMain::createInlineTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet1"));
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *splitter = new QSplitter(Qt::Horizontal, tab);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setFixedHeight(224);
    PanelKrugov = createPanel(QStringLiteral("PanelKrugov"), splitter);
    PanelKrugov->setColor(QColor(0xa0, 0xa0, 0xa4));
    PanelKrugov->setFontColor(palette().color(QPalette::WindowText));
    PanelKrugov->setFont(boldFont(QStringLiteral("Arial"), 160));
    PanelPlusMin = createPanel(QStringLiteral("PanelPlusMin"), splitter);
    PanelPlusMin->setColor(Qt::black);
    PanelPlusMin->setFontColor(QColor(0x00, 0xff, 0x00));
    PanelPlusMin->setFont(PanelKrugov->font());
    splitter->addWidget(PanelKrugov);
    splitter->addWidget(PanelPlusMin);
    splitter->setSizes({280, 420});
    layout->addWidget(splitter);

    auto *middle = new QWidget(tab);
    middle->setObjectName(QStringLiteral("Panel5"));
    auto *middleLayout = new QHBoxLayout(middle);
    middleLayout->setContentsMargins(0, 0, 0, 0);
    middleLayout->addStretch(1);
    auto *right = new QWidget(middle);
    right->setObjectName(QStringLiteral("Panel11"));
    right->setFixedWidth(204);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    pTimeOneKrug = createPanel(QStringLiteral("pTimeOneKrug"), right);
    pTimeOneKrug->setFont(boldFont(QStringLiteral("Arial Narrow"), 96));
    pTimeOneKrug->setFontColor(Qt::blue);
    pTimeAverSpeed = createPanel(QStringLiteral("pTimeAverSpeed"), right);
    pTimeAverSpeed->setFont(boldFont(QStringLiteral("Arial"), 37));
    pTimeAverSpeed->setFontColor(QColor(0x00, 0x80, 0x00));
    pTimeAverSpeed->setFixedHeight(41);
    rightLayout->addWidget(pTimeOneKrug, 1);
    rightLayout->addWidget(pTimeAverSpeed);
    middleLayout->addWidget(right);
    layout->addWidget(middle, 1);

    layout->addWidget(createPanelControl());
    return tab;
}

QWidget *TFormMain::createPanelControl()
{
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("PanelControl"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFont(boldFont(QStringLiteral("MS Sans Serif"), 13));
    PanelControl = panel;

    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(2);
    // Two rows of label, editor, unit groups; the right-hand two groups keep
    // to the right edge.
    constexpr int kStretchColumn = 6;
    auto place = [&](QWidget *editor, const QString &label, const QString &unit, int row, int group) {
        const int column = group * 3 + (group >= 2 ? 1 : 0);
        grid->addWidget(new QLabel(label, panel), row, column, Qt::AlignRight);
        grid->addWidget(editor, row, column + 1);
        if (!unit.isEmpty())
            grid->addWidget(new QLabel(unit, panel), row, column + 2);
    };
    grid->setColumnStretch(kStretchColumn, 1);

    TSpinEdit **members[] = {&seLength, &seLenKrug, &seKrugov, &seLengthDop, &seMin, &seSek, &seTime};
    struct Place { int row; int group; };
    constexpr Place places[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {1, 3}};
    static_assert(std::size(places) == std::size(kPlanEditors));
    for (std::size_t i = 0; i < std::size(kPlanEditors); ++i) {
        const PlanEditorSpec &spec = kPlanEditors[i];
        *members[i] = createSpinEdit(spec, panel);
        // Wide enough for the longest value, plus the arrow buttons.
        const auto digits = spec.typingLimit > 0 ? spec.typingLimit : QString::number(spec.maxValue).size();
        const int digitWidth = QFontMetrics(panel->font()).horizontalAdvance(QLatin1Char('0'));
        (*members[i])->setFixedWidth(int(digits) * digitWidth + TSpinButtons::kWidth + 8);
        place(*members[i], fromTable(spec.label), fromTable(spec.unit), places[i].row, places[i].group);
    }

    seDopTime = new TSpinFloatEdit(panel);
    seDopTime->setObjectName(QStringLiteral("seDopTime"));
    seDopTime->setFixedWidth(seKrugov->width());
    // Its value is applied once the window is built, like a loaded form.
    seDopTime->beginLoading();
    seDopTime->setIncrement(kAllowanceEditor.increment);
    seDopTime->setDigits(kAllowanceEditor.digits);
    seDopTime->setMax(kAllowanceEditor.maximum);
    seDopTime->setMin(kAllowanceEditor.minimum);
    seDopTime->setValue(kAllowanceEditor.initial);
    place(seDopTime, QStringLiteral("Startzugabe:"), QString(), 0, 3);

    for (auto [first, second] : {std::pair{seLength, seLenKrug}, {seLenKrug, seKrugov}, {seKrugov, seMin},
                                 {seMin, seSek}})
        setTabOrder(first, second);
    setTabOrder(seSek, seDopTime);
    setTabOrder(seDopTime, seTime);
    setTabOrder(seTime, seLengthDop);
    return panel;
}

QWidget *TFormMain::createControlTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet2"));
    auto *layout = new QVBoxLayout(tab);
    auto *panel = new QWidget(tab);
    panel->setObjectName(QStringLiteral("Panel7"));
    panel->setFont(boldFont(QStringLiteral("MS Sans Serif"), 13));
    auto *row = new QHBoxLayout(panel);
    eTimeKrug = createDisplayEdit(QStringLiteral("eTimeKrug"), panel);
    eSpeedKrug = createDisplayEdit(QStringLiteral("eSpeedKrug"), panel);
    eSpeedSredn = createDisplayEdit(QStringLiteral("eSpeedSredn"), panel);
    row->addWidget(new QLabel(QStringLiteral("Rundenzeit:"), panel));
    row->addWidget(eTimeKrug);
    row->addWidget(new QLabel(QStringLiteral("sek"), panel));
    row->addWidget(new QLabel(QStringLiteral("Runden:"), panel));
    row->addWidget(eSpeedKrug);
    row->addWidget(new QLabel(QStringLiteral("km/h"), panel));
    row->addStretch(1);
    auto *average = new QLabel(QStringLiteral("Durchschnitt  Geschwindigkeit:"), panel);
    average->setWordWrap(true); // over two lines
    average->setMaximumWidth(average->fontMetrics().horizontalAdvance(QStringLiteral("Geschwindigkeit: ")));
    row->addWidget(average);
    row->addWidget(eSpeedSredn);
    row->addWidget(new QLabel(QStringLiteral("km/h"), panel));
    layout->addWidget(panel);
    layout->addStretch(1);
    return tab;
}
