#include "PortList.h"

void PortList::showPopup()
{
    emit aboutToShowPopup();
    QComboBox::showPopup();
}
