#pragma once

#include <QFont>
#include <QString>

// Maps the window's font names to the metric-compatible Liberation fonts
// (Liberation Sans, close in width, for the bitmap font "MS Sans Serif"; DejaVu
// where a Liberation font is missing), so the layout keeps its sizes without
// the user configuring any fonts. A name the system has itself keeps its own
// font. Safe to call more than once.
void InstallFontSubstitutes();

// A font of the window by the name the display is designed with, asked for
// by the installed family it stands for (see InstallFontSubstitutes). Two
// names standing for the same family at the same size and weight then share
// one loaded font, and no font is looked for under a name the system lacks.
QFont WindowFont(const QString &family, int pixelSize, bool bold);
