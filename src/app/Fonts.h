#pragma once

// Maps the window's font names to the metric-compatible Liberation fonts
// (Liberation Sans, close in width, for the bitmap font "MS Sans Serif"; DejaVu
// where a Liberation font is missing), so the layout keeps its sizes without
// the user configuring any fonts. Safe to call more than once.
void InstallFontSubstitutes();
