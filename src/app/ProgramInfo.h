#pragma once

#include <QIcon>
#include <QString>

// What the program says about itself: on the command line and in the
// About box.
QString ProgramVersion();
// The program's icon, in each size drawn; the pictures are read when first
// asked for.
QIcon ProgramIcon();
// The desktop file's name, without ".desktop".
QString DesktopFileName();
// One line: what the program is.
QString ProgramSummary();
// The About box's text (rich text): version, licence and the libraries
// used with their licences.
QString AboutText();
