#include "ButtonWithColor.h"

#include "ButtonPainting.h"
#include "StockGlyphs.h"
#include "StockKinds.h"
#include "SystemColors.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWhatsThis>

TBitBtnWithColor::TBitBtnWithColor(QWidget *parent)
    : QPushButton(parent)
    , m_color(SystemColors::BtnFace())
{
    // Enter clicks the focused button, as space does.
    setAutoDefault(true);
    m_glyph.OnChange = [this] { glyphChanged(); };
    connect(this, &QAbstractButton::clicked, this, &TBitBtnWithColor::Click);
    connect(qApp, &QApplication::focusChanged, this, &TBitBtnWithColor::focusChanged);
}

TBitBtnWithColor::~TBitBtnWithColor()
{
    // The widget's own teardown may move the focus; by then this part of the
    // object is gone and must not hear about it.
    if (qApp)
        disconnect(qApp, &QApplication::focusChanged, this, &TBitBtnWithColor::focusChanged);
}

void TBitBtnWithColor::SetColor(const QColor &value)
{
    if (value == m_color)
        return;
    m_color = value;
    // The state images were built on the old face. Only they go: the bitmap,
    // its picture count and the stock kind stay as they are.
    m_glyph.Invalidate();
    update();
}

void TBitBtnWithColor::SetCancel(bool value)
{
    if (value == m_cancel)
        return;
    m_cancel = value;
    if (m_cancel && !m_cancelShortcut) {
        // Escape anywhere in the window clicks the Cancel button.
        m_cancelShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        m_cancelShortcut->setContext(Qt::WindowShortcut);
        connect(m_cancelShortcut, &QShortcut::activated, this, &QAbstractButton::click);
    }
    if (m_cancelShortcut)
        m_cancelShortcut->setEnabled(m_cancel);
}

void TBitBtnWithColor::SetDefault(bool value)
{
    if (value == m_default)
        return;
    m_default = value;
    // Lets a dialog click it on Enter.
    setDefault(value);
    updateActive();
}

void TBitBtnWithColor::SetGlyph(const QImage &value)
{
    m_glyph.SetGlyph(value);
    m_glyphChanged = true;
}

TBitBtnWithColorKind TBitBtnWithColor::Kind() const
{
    if (m_kind != bkCustom) {
        const StockKindInfo &stock = StockKind(m_kind);
        if (m_glyphChanged || m_default != stock.Default || m_cancel != stock.Cancel
            || m_modalResult != stock.ModalResult)
            m_kind = bkCustom;
    }
    return m_kind;
}

void TBitBtnWithColor::SetKind(TBitBtnWithColorKind value)
{
    // Compared with what Kind reads, so that choosing the stock kind again
    // restores it after Default or the glyph was changed.
    if (value == Kind())
        return;
    if (value != bkCustom) {
        const StockKindInfo &stock = StockKind(value);
        SetDefault(stock.Default);
        SetCancel(stock.Cancel);
        setText(QString::fromUtf8(stock.Caption));
        m_modalResult = stock.ModalResult;
        m_glyph.SetGlyph(StockGlyphs::Bitmap(value));
        m_glyph.SetNumGlyphs(2);
        m_glyphChanged = false;
    }
    m_kind = value;
    update();
}

void TBitBtnWithColor::SetLayout(TButtonLayout value)
{
    if (value == m_layout)
        return;
    m_layout = value;
    update();
}

void TBitBtnWithColor::SetMargin(int value)
{
    if (value < -1 || value == m_margin)
        return;
    m_margin = value;
    update();
}

void TBitBtnWithColor::SetSpacing(int value)
{
    if (value == m_spacing)
        return;
    m_spacing = value;
    update();
}

void TBitBtnWithColor::SetStyle(TButtonStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    update();
}

bool TBitBtnWithColor::ShowHint() const
{
    if (!m_parentShowHint)
        return m_showHint;
    for (const QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        const QVariant inherited = w->property("ShowHint");
        if (inherited.isValid())
            return inherited.toBool();
    }
    return true;
}

void TBitBtnWithColor::SetShowHint(bool value)
{
    m_showHint = value;
    m_parentShowHint = false;
}

QSize TBitBtnWithColor::sizeHint() const
{
    const QSize caption = ButtonPainting::MeasureCaption(font(), text());
    const QSize glyph = m_glyph.GlyphSize();
    const bool horizontal = m_layout == blGlyphLeft || m_layout == blGlyphRight;
    const int gap = caption.width() && glyph.width() ? qMax(m_spacing, 4) : 0;
    const int pad = QFontMetrics(font()).averageCharWidth() * 2;
    if (horizontal)
        return {caption.width() + gap + glyph.width() + 2 * pad, qMax(caption.height(), glyph.height()) + 10};
    return {qMax(caption.width(), glyph.width()) + 2 * pad, caption.height() + gap + glyph.height() + 10};
}

TButtonState TBitBtnWithColor::drawState() const
{
    if (!isEnabled())
        return bsDisabled;
    return isDown() ? bsDown : bsUp;
}

void TBitBtnWithColor::paintEvent(QPaintEvent *)
{
    using namespace ButtonPainting;
    QPainter painter(this);
    const QRect client = rect();
    const bool pressed = isDown();
    QRect r = client;

    if (m_active || hasFocus()) {
        FrameRect(painter, r, SystemColors::WindowFrame());
        r.adjust(1, 1, -1, -1);
    }
    if (pressed) {
        FillFramedRect(painter, r, SystemColors::BtnShadow(), m_color);
    } else {
        r = DrawRaisedEdge(painter, r);
        FillFramedRect(painter, r, m_color, m_color);
    }
    r.adjust(1, 1, -1, -1);
    if (m_active)
        r = client.adjusted(1, 1, -1, -1);
    if (pressed)
        r.translate(1, 1);

    m_glyph.Draw(painter, r, font(), text(), palette().color(QPalette::ButtonText), m_layout, m_margin, m_spacing,
                 drawState(), m_color);

    if (m_active)
        DrawFocusDots(painter, client.adjusted(4, 4, -4, -4), m_color);
}

void TBitBtnWithColor::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange: update(); break;
    case QEvent::ParentChange: updateActive(); break;
    default: break;
    }
    QPushButton::changeEvent(event);
}

void TBitBtnWithColor::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    updateActive();
    if (event->reason() != Qt::ActiveWindowFocusReason)
        fire(OnEnter, this);
}

void TBitBtnWithColor::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    updateActive();
    if (event->reason() != Qt::ActiveWindowFocusReason)
        fire(OnExit, this);
}

void TBitBtnWithColor::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a quick double click is a press like any other,
    // so two quick presses give two clicks.
    if (event->button() == Qt::LeftButton)
        mousePressEvent(event);
    else
        QPushButton::mouseDoubleClickEvent(event);
}

void TBitBtnWithColor::showEvent(QShowEvent *event)
{
    QPushButton::showEvent(event);
    m_glyph.CreateButtonGlyph(isEnabled() ? bsUp : bsDisabled, m_color);
    updateActive();
}

bool TBitBtnWithColor::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !ShowHint()) {
        event->ignore();
        return true;
    }
    return QPushButton::event(event);
}

bool TBitBtnWithColor::hitButton(const QPoint &pos) const
{
    // The whole rectangle is face.
    return rect().contains(pos);
}

void TBitBtnWithColor::Click()
{
    QWidget *form = window() != this ? window() : nullptr;
    if (m_kind == bkHelp) {
        for (QWidget *w = this; w; w = w->parentWidget()) {
            if (!w->whatsThis().isEmpty()) {
                QWhatsThis::showText(w->mapToGlobal(QPoint(0, 0)), w->whatsThis(), w);
                return;
            }
        }
    } else if (m_kind == bkClose && form) {
        form->close();
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(form)) {
        // A modal dialog ends with a non-zero modal result.
        if (m_modalResult != 0 && dialog->isModal())
            dialog->done(m_modalResult);
        else
            dialog->setResult(m_modalResult);
    }
    fire(OnClick, this);
}

void TBitBtnWithColor::glyphChanged()
{
    update();
}

void TBitBtnWithColor::focusChanged(QWidget *, QWidget *)
{
    updateActive();
}

void TBitBtnWithColor::updateActive()
{
    bool active = hasFocus();
    if (!active && m_default) {
        const QWidget *focus = window()->focusWidget();
        active = focus && focus != this && !qobject_cast<const QAbstractButton *>(focus);
    }
    if (active == m_active)
        return;
    m_active = active;
    repaint();
}
