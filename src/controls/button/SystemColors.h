#pragma once

#include <QColor>

// The desktop scheme's symbolic colours the button draws with, read from the
// application palette each time so that they follow a change of scheme.
namespace SystemColors {

QColor BtnFace(); // face of a plain button
QColor BtnHighlight(); // lit inner edge, embossed highlight
QColor BtnShadow(); // shaded inner edge, pressed outline, emboss shadow
QColor Light3D(); // lit outer edge
QColor DkShadow3D(); // shaded outer edge
QColor WindowFrame(); // outline of the active button

} // namespace SystemColors
