#pragma once

#include <QString>

class QWidget;

// Writes a grab of `widget` as <build>/test-output/<name>.png for a person to
// look at; returns the file's path.
QString saveTestPng(QWidget *widget, const QString &name);
