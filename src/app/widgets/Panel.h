#pragma once

#include <QColor>
#include <QLabel>

// A bevelled panel showing one caption, with a free integer slot (Tag) for
// the value it stands for. Colour is the face, FontColor the caption's colour.
class Panel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)

public:
    explicit Panel(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    QColor color() const;
    void setColor(const QColor &color);
    QColor fontColor() const;
    void setFontColor(const QColor &color);

    // A panel is as large as the layout makes it, whatever its caption:
    // a caption that does not fit is cut off at the bevel. So its size
    // asks for no text to be laid out.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    Q_DISABLE_COPY(Panel)

    int m_tag = 0;
};
