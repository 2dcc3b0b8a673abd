#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QWidget>

#include <cstdint>

#include "Events.h"

// One seven-segment digit with a small triangular mark in its lower-right
// corner, drawn as filled polygons scaled to the control's size. It shows a
// decimal value 0 to 9 through a fixed pattern table, or any raw 8-bit
// segment pattern. It takes no focus and handles no input; what a digit
// means within a display is the owner's business.
//
// Value, pattern and colour writes that change something redraw before they
// return; writes that change nothing draw nothing, so an owner may write the
// same value at every timer tick for free. Thickness and Separation only
// request a redraw.
class TDigit : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(quint8 ValueBinary READ ValueBinary WRITE setValueBinary)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QColor ColorOff READ ColorOff WRITE setColorOff)
    Q_PROPERTY(QColor ColorOn READ ColorOn WRITE setColorOn)
    Q_PROPERTY(int Separation READ Separation WRITE setSeparation)
    Q_PROPERTY(int Thickness READ Thickness WRITE setThickness)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(int Tag READ Tag WRITE setTag)

public:
    // Kept for the owner's sake only: no border is drawn in either style.
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    // Fired with the digit as Sender when Value is given a number outside
    // 0 to 9 (after Value has become 0).
    using TOverflow = TNotifyEvent;
    TOverflow OnOverflow;

    explicit TDigit(QWidget *parent = nullptr);

    int Value() const { return m_value; }
    // A new value 0 to 9 is stored; any other becomes 0 and fires
    // OnOverflow. The pattern of the resulting value is shown at once.
    void setValue(int value);

    std::uint8_t ValueBinary() const { return m_valueBinary; }
    // Any pattern; leaves Value as it is.
    void setValueBinary(std::uint8_t pattern);

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);

    QColor ColorOff() const { return m_brushOff.color(); }
    void setColorOff(const QColor &color);

    QColor ColorOn() const { return m_brushOn.color(); }
    void setColorOn(const QColor &color);

    int Separation() const { return m_separation; }
    // Any value is taken, also negative ones.
    void setSeparation(int separation);

    int Thickness() const { return m_thickness; }
    // Taken only when it fits both halves of the current size; a value too
    // large is dropped silently. A later resize does not re-check it.
    void setThickness(int thickness);

    // Background colour: fills the control and outlines every segment.
    QColor Color() const;
    // A different colour becomes the digit's own (ParentColor becomes false).
    void setColor(const QColor &color);

    // True while the background follows the parent's colour.
    bool ParentColor() const { return m_parentColor; }
    void setParentColor(bool follow);

    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(TDigit)

    int m_value = 0;
    std::uint8_t m_valueBinary = 125;
    TBorderStyle m_borderStyle = bsSingle;
    QBrush m_brushOff{QColor(0, 0, 0)};
    QBrush m_brushOn{QColor(255, 255, 0)};
    int m_separation = 1;
    int m_thickness = 0; // set through its setter on construction
    bool m_parentColor = false;
    int m_tag = 0;
    // Segment outline in the background colour, kept so painting allocates nothing.
    QPen m_outline{QColor(0, 0, 0), 1};
};
