#include "PortList.h"

void TPortList::showPopup()
{
    emit aboutToShowPopup();
    QComboBox::showPopup();
}
