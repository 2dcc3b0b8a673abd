#include "PairBoard.h"

#include "Colors.h"
#include "DisplayTexts.h"
#include "Fonts.h"
#include "GroupRace.h"
#include "LastLap.h"
#include "PairRace.h"
#include "Panel.h"
#include "RaceBoard.h"
#include "RaceFeed.h"
#include "RacePalette.h"
#include "Schedule.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

// As high as the single skater's board, so the digits below keep their place.
constexpr int kBoardHeight = 224;
constexpr int kButtonWidth = 64;
constexpr int kNameWidth = 210;
constexpr int kLapsWidth = 150;

Panel *boardPanel(const QString &name, const QFont &font, const QColor &face, const QColor &text, QWidget *parent)
{
    auto *panel = new Panel(parent);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFont(font);
    panel->setColor(face);
    panel->setFontColor(text);
    return panel;
}

void setCaption(Panel *panel, const QString &text)
{
    if (panel->caption() != text)
        panel->setCaption(text);
}

void setFontColor(Panel *panel, const QColor &colour)
{
    if (panel->fontColor() != colour)
        panel->setFontColor(colour);
}

} // namespace

PairBoard::PairBoard(const PairRace &pair, QWidget *parent)
    : QFrame(parent)
    , m_pair(pair)
{
    setObjectName(QStringLiteral("PairBoard"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedHeight(kBoardHeight);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    const int rowHeight = (kBoardHeight - 2 * frameWidth()) / 2;
    const QColor windowText = palette().color(QPalette::WindowText);
    for (int skater = 0; skater < int(m_rows.size()); ++skater) {
        Row &row = m_rows[std::size_t(skater)];
        const QString letter = skater == 0 ? QStringLiteral("A") : QStringLiteral("B");
        row.button = new QPushButton(letter, this);
        row.button->setObjectName(QStringLiteral("bPass") + letter);
        row.button->setFont(WindowFont(QStringLiteral("Arial"), 48, true));
        row.button->setFixedSize(kButtonWidth, rowHeight);
        // The keys stay with the window: a click does not take the focus.
        row.button->setFocusPolicy(Qt::NoFocus);
        row.button->setToolTip(skater == 0 ? tr("Runde von Läufer A (Strg+L)") : tr("Runde von Läufer B (Strg+K)"));
        connect(row.button, &QPushButton::clicked, this, [this, skater] { emit passingAsked(skater); });

        row.name = boardPanel(QStringLiteral("PairName") + letter, WindowFont(QStringLiteral("Arial"), 26, true),
                              Colors::clMedGray(), windowText, this);
        row.name->setFixedSize(kNameWidth, rowHeight * 2 / 5);
        row.lastLap = boardPanel(QStringLiteral("PairLastLap") + letter, WindowFont(QStringLiteral("Arial"), 52, true),
                                 Colors::clMedGray(), windowText, this);
        row.lastLap->setFixedSize(kNameWidth, rowHeight - row.name->height());
        row.lapsToGo = boardPanel(QStringLiteral("PairLapsToGo") + letter,
                                  WindowFont(QStringLiteral("Arial"), 96, true), Colors::clMedGray(), windowText, this);
        row.lapsToGo->setFixedSize(kLapsWidth, rowHeight);
        row.gap = boardPanel(QStringLiteral("PairPlusMin") + letter, WindowFont(QStringLiteral("Arial"), 96, true),
                             Colors::clBlack(), RacePalette::aheadPanel(), this);
        row.gap->setFixedHeight(rowHeight);

        const int top = skater * 2;
        grid->addWidget(row.button, top, 0, 2, 1);
        grid->addWidget(row.name, top, 1);
        grid->addWidget(row.lastLap, top + 1, 1);
        grid->addWidget(row.lapsToGo, top, 2, 2, 1);
        grid->addWidget(row.gap, top, 3, 2, 1);
    }
    grid->setColumnStretch(3, 1);
}

void PairBoard::refresh(std::uint32_t now)
{
    const rundaro::GroupRace &group = m_pair.group();
    for (int skater = 0; skater < int(m_rows.size()); ++skater) {
        Row &row = m_rows[std::size_t(skater)];
        const rundaro::RaceRecord &race = group.Race(skater);
        // Texts are made only when what they show has changed: this runs at
        // every tick of the race clock.
        const std::string &name = m_pair.skaterName(skater);
        if (!row.shown || name != row.shown->name) {
            const QString text = QString::fromStdString(name);
            setCaption(row.name, text.isEmpty() ? (skater == 0 ? tr("Läufer A") : tr("Läufer B")) : text);
        }
        const bool running = group.IsRunning(skater);
        if (running != row.button->isEnabled())
            row.button->setEnabled(running);

        // Before START and after RESET the plan's laps, as the single board;
        // from the first line the skater's own figures.
        const rundaro::RaceBoard board = race.IsOpen() ? rundaro::SkaterBoardOf(race, now)
                                                       : rundaro::BoardAt(m_pair.feed(skater).planInForce().plan, 0, 0);
        const int passings = race.IsOpen() ? race.Passings() : -1;
        const std::uint32_t lastTick = passings > 0 ? race.PassingTick(passings - 1) : 0;
        if (!row.shown || board.lapsToGo != row.shown->lapsToGo)
            setCaption(row.lapsToGo, QString::number(board.lapsToGo));
        if (!row.shown || board.aheadBehind != row.shown->aheadBehind || race.IsOpen() != row.shown->open) {
            if (!race.IsOpen()) {
                setCaption(row.gap, QString());
            } else if (!board.aheadBehind) {
                setCaption(row.gap, NoTargetText());
            } else {
                setFontColor(row.gap, RacePalette::gapPanelColour(*board.aheadBehind > 0));
                setCaption(row.gap, QString::fromStdString(rundaro::AheadBehindText(*board.aheadBehind)));
            }
        }

        // The lap the skater's last passing closed, until the next one.
        if (!row.shown || passings != row.shown->passings || lastTick != row.shown->lastTick) {
            QString lastLap;
            if (passings > 0) {
                if (const auto figures = rundaro::LastLapAt(race, lastTick)) {
                    const LastLap shown = LastLapShown(*figures);
                    lastLap = shown.text;
                    setFontColor(row.lastLap, shown.colour.value_or(palette().color(QPalette::WindowText)));
                }
            }
            setCaption(row.lastLap, lastLap);
        }
        row.shown = Shown{name, board.lapsToGo, board.aheadBehind, passings, lastTick, race.IsOpen()};
    }
}
