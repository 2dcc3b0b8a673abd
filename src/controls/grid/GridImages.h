#pragma once

#include <QImage>
#include <QStringView>

// The grid's bitmap resources by name: "UP", "DOWN", "CHECKED",
// "UNCHECKED", "COMBOBOX", "ELLIPSIS". An unknown name gives a null image.
QImage LoadGridBitmap(QStringView name);
