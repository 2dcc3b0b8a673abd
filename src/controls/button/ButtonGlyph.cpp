#include "ButtonGlyph.h"

#include "ButtonLayout.h"
#include "ButtonPainting.h"
#include "GlyphCache.h"
#include "GlyphImages.h"
#include "GlyphList.h"
#include "SystemColors.h"

#include <QPainter>

namespace {

// The one cache of image lists, made with the first glyph and freed with
// the last.
TGlyphCache *glyphCache = nullptr;
int glyphCount = 0;

} // namespace

TButtonGlyph::TButtonGlyph()
{
    if (!glyphCache)
        glyphCache = new TGlyphCache;
    ++glyphCount;
}

TButtonGlyph::~TButtonGlyph()
{
    Invalidate();
    if (--glyphCount == 0 && glyphCache->Empty()) {
        delete glyphCache;
        glyphCache = nullptr;
    }
}

const TGlyphCache *TButtonGlyph::Cache()
{
    return glyphCache;
}

void TButtonGlyph::SetGlyph(const QImage &bitmap)
{
    Invalidate();
    m_bitmap = bitmap;
    if (!m_bitmap.isNull()) {
        m_transparentColor = QColor::fromRgb(m_bitmap.pixel(0, m_bitmap.height() - 1));
        if (m_bitmap.width() % m_bitmap.height() == 0) {
            const int count = m_bitmap.width() / m_bitmap.height();
            m_numGlyphs = count >= 1 && count <= kMaxNumGlyphs ? count : 1;
        }
    }
    changed();
}

void TButtonGlyph::SetNumGlyphs(int value)
{
    if (value > kMaxNumGlyphs)
        value = kMaxNumGlyphs;
    if (value < 1 || value == m_numGlyphs)
        return;
    Invalidate();
    m_numGlyphs = value;
    changed();
}

void TButtonGlyph::Invalidate()
{
    for (int &index : m_indexes) {
        if (index != -1 && m_list)
            m_list->Delete(index);
        index = -1;
    }
    if (m_list) {
        glyphCache->ReturnList(m_list);
        m_list = nullptr;
    }
}

QSize TButtonGlyph::GlyphSize() const
{
    if (m_bitmap.isNull())
        return {0, 0};
    return {m_bitmap.width() / m_numGlyphs, m_bitmap.height()};
}

int TButtonGlyph::ImageIndex(TButtonState state) const
{
    return m_indexes[std::size_t(ImageState(state, m_numGlyphs))];
}

int TButtonGlyph::CreateButtonGlyph(TButtonState state, const QColor &face)
{
    state = ImageState(state, m_numGlyphs);
    int &index = m_indexes[std::size_t(state)];
    if (index != -1)
        return index;
    const QSize size = GlyphSize();
    if (size.isEmpty())
        return -1;
    if (!m_list)
        m_list = glyphCache->GetList(size.width(), size.height());
    const GlyphColors colors{face, SystemColors::BtnHighlight(), SystemColors::BtnShadow()};
    index = m_list->Add(BuildStateImage(m_bitmap, m_numGlyphs, state, m_transparentColor.rgb(), colors));
    return index;
}

void TButtonGlyph::drawGlyph(QPainter &painter, QPoint pos, TButtonState state, const QColor &face)
{
    if (m_bitmap.isNull())
        return;
    const int index = CreateButtonGlyph(state, face);
    if (index == -1)
        return;
    if (state == bsExclusive)
        m_list->Draw(painter, index, pos);
    else
        m_list->Draw(painter, index, pos, face);
}

QRect TButtonGlyph::Draw(QPainter &painter, const QRect &client, const QFont &font, const QString &caption,
                         const QColor &fontColor, TButtonLayout layout, int margin, int spacing, TButtonState state,
                         const QColor &face)
{
    const QFont captionFont = ButtonPainting::CaptionFont(font);
    const GlyphTextLayout placed = CalcButtonLayout(
        client, GlyphSize(), ButtonPainting::MeasureCaption(captionFont, caption), layout, margin, spacing);
    drawGlyph(painter, placed.GlyphPos, state, face);

    painter.setFont(captionFont);
    const QRect &text = placed.TextBounds;
    if (state == bsDisabled) {
        // Engraved look, fixed colours: it must read as disabled on any face
        // and whatever the font colour.
        const int topLeft = Qt::AlignLeft | Qt::AlignTop;
        ButtonPainting::DrawCaption(painter, text.translated(1, 1), caption, QColor(255, 255, 255), topLeft);
        ButtonPainting::DrawCaption(painter, text, caption, QColor(128, 128, 128), topLeft);
    } else {
        ButtonPainting::DrawCaption(painter, text, caption, fontColor, Qt::AlignCenter);
    }
    return text;
}

void TButtonGlyph::changed()
{
    if (OnChange)
        OnChange();
}
