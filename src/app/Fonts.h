#pragma once

// Maps the window's font names to the metric-compatible Liberation fonts
// (DejaVu Sans for "MS Sans Serif", which has no metric twin), so the layout
// keeps its sizes without the user configuring any fonts. Safe to call more
// than once.
void InstallFontSubstitutes();
