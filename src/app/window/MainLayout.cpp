// Construction of the main window's controls: sizes, fonts and colours of
// the track-side display.
#include "Main.h"

#include "ButtonWithColor.h"
#include "Colors.h"
#include "DisplayEdit.h"
#include "FlEdit.h"
#include "Fonts.h"
#include "Languages.h"
#include "Panel.h"
#include "PlanEditors.h"
#include "PortList.h"
#include "RacePalette.h"
#include "SortGrid.h"
#include "SpinButtons.h"
#include "SpinEdit.h"
#include "Splitter.h"
#include "TabSheet.h"
#include "TimeDisplayLayout.h"
#include "Udigit.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QFont boldFont(const QString &family, int pixelSize)
{
    return WindowFont(family, pixelSize, true);
}

QString fromTable(const char16_t *text)
{
    return QString::fromUtf16(text);
}

void setTextColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette p = widget->palette();
    p.setColor(role, color);
    widget->setPalette(p);
}

TSpinEdit *createSpinEdit(const PlanEditorEntry &entry, QWidget *parent)
{
    auto *edit = new TSpinEdit(parent);
    edit->setObjectName(fromTable(entry.name));
    edit->setMinValue(entry.minValue);
    edit->setMaxValue(entry.maxValue);
    edit->setIncrement(entry.increment);
    edit->setTypingLimit(entry.typingLimit);
    edit->setValue(entry.initial);
    return edit;
}

QLineEdit *createDisplayEdit(const QString &name, QWidget *parent)
{
    auto *edit = new DisplayEdit(QStringLiteral("0,00"), parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedSize(81, 37);
    edit->setFont(boldFont(QStringLiteral("MS Sans Serif"), 24));
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    p.setColor(QPalette::Text, Colors::clBlue());
    edit->setPalette(p);
    return edit;
}

Panel *createPanel(const QString &name, QWidget *parent)
{
    auto *panel = new Panel(parent);
    panel->setObjectName(name);
    return panel;
}

QLabel *createLabel(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

// A label for the trigger's state that takes whatever room its layout cell
// has left and never asks for more, so no other control moves for it.
QLabel *createStateLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    label->setMargin(2);
    return label;
}

} // namespace

void TFormMain::createWidgets()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);
    // The pages are added empty and filled afterwards: the shown page's
    // layout is then worked out once, when the window is shown, rather than
    // also when it is added, with the fonts it has at that moment.
    auto page = [this](const char16_t *name, const QString &caption) {
        auto *tab = new TabSheet;
        tab->setObjectName(QString::fromUtf16(name));
        PageControl1->addTab(tab, caption);
        return tab;
    };
    createInlineTab(page(u"TabSheet1", tr("Inline")));
    createControlTab(TabSheet2 = page(u"TabSheet2", tr("Control")));
    auto *configuration = page(u"TabSheet3", tr("Configuration"));
    createConfigurationTab(configuration);
    // The port's state can be selected with the mouse, for copying the
    // message. A selectable label brings Qt's rich text control, so the
    // label becomes selectable when its page is first shown, not in a frame
    // that never shows it.
    connect(configuration, &TabSheet::firstShown, LabPortState,
            [label = LabPortState] { label->setTextInteractionFlags(Qt::TextSelectableByMouse); });
    PageControl1->setCurrentIndex(0);
}

void TFormMain::createInlineTab(QWidget *tab)
{
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createPanelBig());
    layout->addWidget(createPanel5(), 1);
    layout->addWidget(createPanelControl());
}

QWidget *TFormMain::createPanelBig()
{
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("PanelBig"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setFixedHeight(224);
    const int inner = 224 - 2 * panel->frameWidth();

    PanelKrugov = createPanel(QStringLiteral("PanelKrugov"), panel);
    PanelKrugov->setColor(Colors::clMedGray());
    PanelKrugov->setFontColor(palette().color(QPalette::WindowText));
    PanelKrugov->setFont(boldFont(QStringLiteral("Arial"), 160));
    PanelKrugov->setFixedHeight(inner);
    PanelKrugov->setFixedWidth(280);
    auto *splitter = new Splitter(PanelKrugov, panel);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    PanelPlusMin = createPanel(QStringLiteral("PanelPlusMin"), panel);
    PanelPlusMin->setColor(Colors::clBlack());
    PanelPlusMin->setFontColor(RacePalette::aheadPanel());
    PanelPlusMin->setFont(PanelKrugov->font());
    PanelPlusMin->setFixedHeight(inner);
    PanelPlusMin->setMinimumWidth(Splitter::kMinSize);

    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(PanelKrugov);
    row->addWidget(splitter);
    row->addWidget(PanelPlusMin, 1);
    return panel;
}

QWidget *TFormMain::createPanel5()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel5"));
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(createCommandButtons());
    row->addWidget(createTimeDisplay(), 1);
    row->addWidget(createPanel11());
    return panel;
}

QWidget *TFormMain::createCommandButtons()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel6"));
    panel->setFixedWidth(113);
    struct ButtonEntry
    {
        TBitBtnWithColor **member;
        const char16_t *name;
        const char *caption;
        int top;
        QColor text;
        QColor face;
        bool enabled;
    };
    const QColor windowText = palette().color(QPalette::WindowText);
    const ButtonEntry buttons[] = {
        {&bStart, u"bStart", QT_TR_NOOP("&START"), 2, Colors::clYellow(), Colors::clGreen(), true},
        {&bLAP, u"bLAP", QT_TR_NOOP("&LAP"), 35, windowText, Colors::clBtnFace(), false},
        {&bStop, u"bStop", QT_TR_NOOP("STOP&P"), 68, Colors::clYellow(), Colors::clBtnFace(), false},
        {&bReset, u"bReset", QT_TR_NOOP("&0:00"), 101, Colors::clYellow(), Colors::clBtnFace(), false},
    };
    for (const ButtonEntry &entry : buttons) {
        auto *button = new TBitBtnWithColor(panel);
        button->setObjectName(fromTable(entry.name));
        button->SetCaption(tr(entry.caption));
        button->setFont(boldFont(QStringLiteral("MS Sans Serif"), 19));
        button->setGeometry(2, entry.top, 109, 30);
        setTextColor(button, QPalette::ButtonText, entry.text);
        button->SetColor(entry.face);
        button->setEnabled(entry.enabled);
        *entry.member = button;
    }
    bLAP->setCursor(Qt::PointingHandCursor);
    bLAP->setProperty("Tag", 0);
    return panel;
}

QWidget *TFormMain::createTimeDisplay()
{
    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("PanelTime"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);

    PanelTimer = new QFrame(frame);
    PanelTimer->setObjectName(QStringLiteral("PanelTimer"));
    PanelTimer->setGeometry(2, 2, 369, 130);
    PanelTimer->setAutoFillBackground(true);
    setTextColor(PanelTimer, QPalette::Window, Colors::clBlack());

    TDigit **digits[] = {&Digit3, &Digit4, &Digit5, &Digit6, &Digit7, &Digit8};
    static_assert(std::size(digits) == std::size(kTimeDigits));
    for (std::size_t i = 0; i < std::size(kTimeDigits); ++i) {
        const TimeDigitEntry &entry = kTimeDigits[i];
        auto *digit = new TDigit(PanelTimer);
        digit->setObjectName(fromTable(entry.name));
        digit->setGeometry(entry.left, kDigitTop, kDigitWidth, kDigitHeight);
        digit->setColor(Colors::clBlack());
        digit->setColorOff(Colors::clBlack());
        digit->setColorOn(entry.dim ? Colors::clDimDigit() : Colors::clYellow());
        digit->setThickness(5);
        digit->setSeparation(1);
        *digits[i] = digit;
    }

    QLabel **labels[] = {&LabMin, &LabSec, &Lab_Min, &Lab_sek, &Lab_100};
    static_assert(std::size(labels) == std::size(kTimeLabels));
    for (std::size_t i = 0; i < std::size(kTimeLabels); ++i) {
        const TimeLabelEntry &entry = kTimeLabels[i];
        auto *label = new QLabel(tr(entry.text), PanelTimer);
        label->setObjectName(fromTable(entry.name));
        label->setGeometry(entry.left, entry.top, entry.width, entry.height);
        label->setFont(boldFont(fromTable(entry.family), entry.pixelSize));
        label->setAlignment(entry.centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        setTextColor(label, QPalette::WindowText, entry.dim ? Colors::clDimDigit() : Colors::clYellow());
        *labels[i] = label;
    }
    return frame;
}

QWidget *TFormMain::createPanel11()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel11"));
    panel->setFixedWidth(204);
    panel->setFont(boldFont(QStringLiteral("Arial Narrow"), 96));
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    pTimeOneKrug = createPanel(QStringLiteral("pTimeOneKrug"), panel);
    pTimeOneKrug->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pTimeOneKrug->setLineWidth(1);
    pTimeOneKrug->setFontColor(Colors::clBlue());
    pTimeAverSpeed = createPanel(QStringLiteral("pTimeAverSpeed"), panel);
    pTimeAverSpeed->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pTimeAverSpeed->setLineWidth(1);
    pTimeAverSpeed->setFont(boldFont(QStringLiteral("Arial"), 37));
    pTimeAverSpeed->setFontColor(Colors::clGreen());
    pTimeAverSpeed->setFixedHeight(41);
    column->addWidget(pTimeOneKrug, 1);
    column->addWidget(pTimeAverSpeed);
    return panel;
}

QWidget *TFormMain::createPanelControl()
{
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("PanelControl"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFont(boldFont(QStringLiteral("MS Sans Serif"), 13));
    panel->setFixedHeight(62);
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
        auto *caption = createLabel(label, panel);
        caption->setBuddy(editor);
        grid->addWidget(caption, row, column, Qt::AlignRight);
        grid->addWidget(editor, row, column + 1);
        if (!unit.isEmpty())
            grid->addWidget(createLabel(unit, panel), row, column + 2);
    };
    grid->setColumnStretch(kStretchColumn, 1);
    // The trigger's state, in the free middle of the two rows.
    LabTrigger = createStateLabel(QStringLiteral("LabTrigger"), panel);
    LabTrigger->setAlignment(Qt::AlignCenter);
    grid->addWidget(LabTrigger, 0, kStretchColumn, 2, 1);

    TSpinEdit **members[] = {&seLength, &seLenKrug, &seKrugov, &seLengthDop, &seMin, &seSek, &seTime};
    struct Place
    {
        int row;
        int group;
    };
    constexpr Place places[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {1, 3}};
    static_assert(std::size(places) == std::size(kPlanEditors));
    for (std::size_t i = 0; i < std::size(kPlanEditors); ++i) {
        const PlanEditorEntry &entry = kPlanEditors[i];
        *members[i] = createSpinEdit(entry, panel);
        // Wide enough for the longest value, plus the arrow buttons.
        const auto digits = entry.typingLimit > 0 ? entry.typingLimit : QString::number(entry.maxValue).size();
        const int digitWidth = QFontMetrics(panel->font()).horizontalAdvance(QLatin1Char('0'));
        (*members[i])->setFixedWidth(int(digits) * digitWidth + SpinButtons::kWidth + 8);
        place(*members[i], tr(entry.label), *entry.unit ? tr(entry.unit) : QString(), places[i].row, places[i].group);
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
    place(seDopTime, tr("Startzugabe:"), QString(), 0, 3);

    for (auto [first, second] :
         {std::pair{seLength, seLenKrug}, {seLenKrug, seKrugov}, {seKrugov, seMin}, {seMin, seSek}})
        setTabOrder(first, second);
    setTabOrder(seSek, seDopTime);
    setTabOrder(seDopTime, seTime);
    setTabOrder(seTime, seLengthDop);
    return panel;
}

void TFormMain::createControlTab(QWidget *tab)
{
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *panel = new QWidget(tab);
    panel->setObjectName(QStringLiteral("Panel7"));
    panel->setFont(boldFont(QStringLiteral("MS Sans Serif"), 13));
    panel->setFixedHeight(39);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 1, 4, 1);
    row->setSpacing(4);
    eTimeKrug = createDisplayEdit(QStringLiteral("eTimeKrug"), panel);
    eSpeedKrug = createDisplayEdit(QStringLiteral("eSpeedKrug"), panel);
    eSpeedSredn = createDisplayEdit(QStringLiteral("eSpeedSredn"), panel);
    row->addWidget(createLabel(tr("Rundenzeit:"), panel));
    row->addWidget(eTimeKrug);
    row->addWidget(createLabel(tr("sek"), panel));
    row->addSpacing(12);
    row->addWidget(createLabel(tr("Runden:"), panel));
    row->addWidget(eSpeedKrug);
    row->addWidget(createLabel(tr("km/h"), panel));
    row->addStretch(1);
    // In the gap between the two groups, in the window's small font so that
    // it fits there at the minimum width; it gives way before either group
    // would move.
    bExport = new QPushButton(tr("Exportieren…"), panel);
    bExport->setObjectName(QStringLiteral("bExport"));
    bExport->setFont(font());
    bExport->setFocusPolicy(Qt::NoFocus);
    const QFontMetrics metrics(bExport->font());
    bExport->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    bExport->setMinimumWidth(1);
    bExport->setMaximumWidth(metrics.horizontalAdvance(bExport->text()) + 12);
    bExport->setFixedHeight(metrics.height() + 10);
    row->addWidget(bExport);
    auto *average = createLabel(tr("Durchschnitt  Geschwindigkeit:"), panel);
    average->setWordWrap(true); // over two lines
    average->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // As wide as its longest word and a space: one word a line.
    int widestWord = 0;
    for (const QString &word : average->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widestWord = std::max(widestWord, average->fontMetrics().horizontalAdvance(word + QLatin1Char(' ')));
    average->setMaximumWidth(widestWord);
    row->addWidget(average);
    row->addWidget(eSpeedSredn);
    row->addWidget(createLabel(tr("km/h"), panel));
    layout->addWidget(panel);

    SortGrid1 = new TSortGrid(tab);
    SortGrid1->setObjectName(QStringLiteral("SortGrid1"));
    SortGrid1->SetColCount(9);
    SortGrid1->SetFixedCols(0);
    SortGrid1->SetRowCount(17);
    SortGrid1->SetDefaultColWidth(30);
    SortGrid1->SetDefaultRowHeight(20);
    SortGrid1->SetOptions(DefaultGridOptions | goDrawFocusSelected | goColSizing);
    SortGrid1->SortOptions().CanSort = false;
    SortGrid1->setFont(boldFont(QStringLiteral("MS Sans Serif"), 16));
    layout->addWidget(SortGrid1, 1);
}

void TFormMain::createConfigurationTab(QWidget *tab)
{
    tab->setFont(boldFont(QStringLiteral("MS Sans Serif"), 13));
    auto *grid = new QGridLayout(tab);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    cbPort = new PortList(tab);
    cbPort->setObjectName(QStringLiteral("cbPort"));
    cbPort->setMinimumWidth(145);
    cbPort->addItem(tr("None"), 0);
    cbAlg = new QComboBox(tab);
    cbAlg->setObjectName(QStringLiteral("cbAlg"));
    cbAlg->addItems({tr("On/Off"), tr("Off/On")});
    cbAlg->setEnabled(false);
    cbAlg->setMinimumWidth(145);
    auto *hardware = createLabel(tr("Hardware:"), tab);
    hardware->setBuddy(cbPort);
    auto *algorithm = createLabel(tr("Algorithm:"), tab);
    algorithm->setBuddy(cbAlg);
    // The port's state, and when it cannot be used why and what to do: a
    // few lines, wrapped, beside the choices below "Hardware:".
    LabPortState = createStateLabel(QStringLiteral("LabPortState"), tab);
    LabPortState->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabPortState->setWordWrap(true);
    grid->addWidget(hardware, 0, 0);
    grid->addWidget(cbPort, 0, 1);
    grid->addWidget(LabPortState, 0, 2, 6, 1, Qt::AlignTop);
    grid->addWidget(algorithm, 1, 0);
    grid->addWidget(cbAlg, 1, 1);
    // The race sounds, on unless switched off.
    cbSound = new QCheckBox(tr("Ton"), tab);
    cbSound->setObjectName(QStringLiteral("cbSound"));
    cbSound->setChecked(true);
    grid->addWidget(cbSound, 2, 1);
    // The screen for the full-screen display.
    cbDisplay = new QComboBox(tab);
    cbDisplay->setObjectName(QStringLiteral("cbDisplay"));
    auto *display = createLabel(tr("Anzeige:"), tab);
    display->setBuddy(cbDisplay);
    grid->addWidget(display, 3, 0);
    grid->addWidget(cbDisplay, 3, 1);
    // The last lap beside the target lap there, on unless switched off.
    cbLastLap = new QCheckBox(tr("Letzte Runde groß"), tab);
    cbLastLap->setObjectName(QStringLiteral("cbLastLap"));
    cbLastLap->setChecked(true);
    grid->addWidget(cbLastLap, 4, 1);
    // The board at the line, on the window and the full screen; off unless chosen.
    cbBoard = new QCheckBox(tr("Tafel an der Linie"), tab);
    cbBoard->setObjectName(QStringLiteral("cbBoard"));
    grid->addWidget(cbBoard, 4, 2);
    // The spoken call-outs, off unless switched on; none on Windows.
    cbCallOuts = new QCheckBox(tr("Ansage"), tab);
    cbCallOuts->setObjectName(QStringLiteral("cbCallOuts"));
    grid->addWidget(cbCallOuts, 5, 1);
#ifdef Q_OS_WIN
    cbCallOuts->hide();
#endif
    // The language of the texts, in force from the next start: the window
    // lays out its controls once, around the texts it starts with.
    cbLanguage = new QComboBox(tab);
    cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
    for (int i = 0; i < kLanguageCount; ++i)
        cbLanguage->addItem(LanguageName(static_cast<Language>(i)));
    auto *language = createLabel(tr("Sprache:"), tab);
    language->setBuddy(cbLanguage);
    auto *languageNote = createLabel(tr("gilt ab dem nächsten Programmstart"), tab);
    languageNote->setObjectName(QStringLiteral("LabLanguageNote"));
    grid->addWidget(language, 6, 0);
    grid->addWidget(cbLanguage, 6, 1);
    grid->addWidget(languageNote, 6, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(7, 1);
}
