#include "Panel.h"

Panel::Panel(QWidget *parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void Panel::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
}

QColor Panel::color() const
{
    return palette().color(QPalette::Window);
}

void Panel::setColor(const QColor &color)
{
    if (color == this->color())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor Panel::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void Panel::setFontColor(const QColor &color)
{
    if (color == fontColor())
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QSize Panel::sizeHint() const
{
    return minimumSizeHint();
}

QSize Panel::minimumSizeHint() const
{
    const int bevels = 2 * frameWidth();
    return {bevels, bevels};
}
