#include "Panel.h"

TPanel::TPanel(QWidget *parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void TPanel::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
}

QColor TPanel::color() const
{
    return palette().color(QPalette::Window);
}

void TPanel::setColor(const QColor &color)
{
    if (color == this->color())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor TPanel::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TPanel::setFontColor(const QColor &color)
{
    if (color == fontColor())
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QSize TPanel::sizeHint() const
{
    return minimumSizeHint();
}

QSize TPanel::minimumSizeHint() const
{
    const int bevels = 2 * frameWidth();
    return {bevels, bevels};
}
