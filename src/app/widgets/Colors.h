#pragma once

#include "SystemColors.h"

#include <QColor>

// The named colours of the main window.
namespace Colors {

// clang-format off
inline QColor clBlack() { return QColor(0, 0, 0); }
inline QColor clBlue() { return QColor(0, 0, 255); }
inline QColor clGreen() { return QColor(0, 128, 0); }
inline QColor clLime() { return QColor(0, 255, 0); }
inline QColor clMedGray() { return QColor(160, 160, 164); }
inline QColor clRed() { return QColor(255, 0, 0); }
inline QColor clYellow() { return QColor(255, 255, 0); }
// The dim colour of a leading zero on the time display.
inline QColor clDimDigit() { return QColor(64, 64, 64); }
inline QColor clBtnFace() { return SystemColors::BtnFace(); }
// clang-format on

} // namespace Colors
