#include "ScreenChoice.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

QScreen *PickScreen(const QList<QScreen *> &screens, QScreen *windowScreen, int choice)
{
    if (choice >= 1 && choice <= screens.size())
        return screens[choice - 1];
    QScreen *best = windowScreen;
    qint64 bestArea = -1;
    for (QScreen *s : screens) {
        const QSize size = s->geometry().size();
        const qint64 area = qint64(size.width()) * size.height();
        if (s != windowScreen && area > bestArea) {
            best = s;
            bestArea = area;
        }
    }
    return best;
}

ScreenChoice::ScreenChoice(QComboBox *box)
    : QObject(box)
    , m_box(box)
{
    fill();
    connect(box, &QComboBox::currentIndexChanged, this, [this](int index) { m_value = std::max(0, index); });
    connect(qApp, &QGuiApplication::screenAdded, this, &ScreenChoice::fill);
    // Queued: the screen is still listed while it is being removed.
    connect(qApp, &QGuiApplication::screenRemoved, this, &ScreenChoice::fill, Qt::QueuedConnection);
}

void ScreenChoice::setValue(int value)
{
    m_value = std::max(0, value);
    fill();
}

QScreen *ScreenChoice::ScreenFor(QScreen *windowScreen) const
{
    return PickScreen(QGuiApplication::screens(), windowScreen, m_value);
}

void ScreenChoice::fill()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const QSignalBlocker quiet(m_box);
    m_box->clear();
    m_box->addItem(tr("automatisch"));
    for (int i = 0; i < std::max(int(screens.size()), m_value); ++i) {
        QString text = tr("Bildschirm %1").arg(i + 1);
        if (i < screens.size()) {
            const QSize size = screens[i]->geometry().size();
            text += QStringLiteral(" (%1 × %2)").arg(size.width()).arg(size.height());
        } else {
            text += tr(" (nicht angeschlossen)");
        }
        m_box->addItem(text);
    }
    m_box->setCurrentIndex(m_value);
}
