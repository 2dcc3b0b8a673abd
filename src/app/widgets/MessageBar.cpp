#include "MessageBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

MessageBar::MessageBar(QWidget *window)
    : QFrame(window)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    m_text = new QLabel(this);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::NoTextInteraction);
    layout->addWidget(m_text, 1);
    m_buttons = new QHBoxLayout;
    layout->addLayout(m_buttons);
    setFocusPolicy(Qt::NoFocus);
    hide();
    window->installEventFilter(this);
}

void MessageBar::setText(const QString &text)
{
    if (m_text->text() == text)
        return;
    m_text->setText(text);
    if (isVisible())
        placeAll(parentWidget());
}

QString MessageBar::text() const
{
    return m_text->text();
}

QPushButton *MessageBar::addButton(const QString &text)
{
    auto *button = new QPushButton(text, this);
    // A key meant for the window never lands on the bar.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    m_buttons->addWidget(button);
    return button;
}

void MessageBar::showBar()
{
    show();
    raise();
    placeAll(parentWidget());
}

bool MessageBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        placeAll(parentWidget());
    return QFrame::eventFilter(watched, event);
}

void MessageBar::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    if (parentWidget())
        placeAll(parentWidget());
}

void MessageBar::placeAll(QWidget *window)
{
    const int width = window->width();
    int bottom = window->height();
    for (MessageBar *bar : window->findChildren<MessageBar *>(Qt::FindDirectChildrenOnly)) {
        if (bar->isHidden())
            continue;
        int height = bar->hasHeightForWidth() ? bar->heightForWidth(width) : 0;
        if (height <= 0)
            height = bar->sizeHint().height();
        bottom -= height;
        bar->setGeometry(0, bottom, width, height);
    }
}
