#pragma once

#include <QWidget>

// A page of the window's tab control. A tab control is as large as its
// largest page, so before the window's first frame it would lay out every
// page, with the fonts of their controls; a page that has never been shown
// asks for no size, and so costs nothing until it is first shown.
class TabSheet : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The page is shown for the first time: what only a shown page needs
    // can be made now.
    void firstShown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool unsized() const { return !m_shown && isHidden(); }

    bool m_shown = false;
};
