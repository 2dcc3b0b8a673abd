#pragma once

class QWidget;

// The About box over `parent`: version, licence, the libraries used.
void ShowAboutBox(QWidget *parent);
