#pragma once

#include <QComboBox>

// The port list: a drop-down list that says when the user opens it, so that
// the ports it offers are those present at that moment.
class PortList : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    void aboutToShowPopup();
};
