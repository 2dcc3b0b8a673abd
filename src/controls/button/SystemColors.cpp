#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace SystemColors {

namespace {
QColor role(QPalette::ColorRole r)
{
    return QGuiApplication::palette().color(QPalette::Active, r);
}
} // namespace

QColor BtnFace()
{
    return role(QPalette::Button);
}
QColor BtnHighlight()
{
    return role(QPalette::Light);
}
QColor BtnShadow()
{
    return role(QPalette::Dark);
}
QColor Light3D()
{
    return role(QPalette::Midlight);
}
QColor DkShadow3D()
{
    return role(QPalette::Shadow);
}
QColor WindowFrame()
{
    return role(QPalette::WindowText);
}

} // namespace SystemColors
