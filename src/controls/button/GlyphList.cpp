#include "GlyphList.h"

#include <QPainter>

TGlyphList::TGlyphList(int width, int height)
    : m_width(width)
    , m_height(height)
{
}

int TGlyphList::Add(const QImage &image)
{
    int index = 0;
    while (index < Capacity() && m_used[std::size_t(index)])
        ++index;
    if (index == Capacity()) {
        m_images.emplace_back();
        m_used.push_back(false);
    }
    m_images[std::size_t(index)] = image;
    m_used[std::size_t(index)] = true;
    ++m_count;
    return index;
}

void TGlyphList::Delete(int index)
{
    if (!IsUsed(index))
        return;
    m_images[std::size_t(index)] = QImage();
    m_used[std::size_t(index)] = false;
    --m_count;
}

bool TGlyphList::IsUsed(int index) const
{
    return index >= 0 && index < Capacity() && m_used[std::size_t(index)];
}

const QImage &TGlyphList::Image(int index) const
{
    static const QImage none;
    return IsUsed(index) ? m_images[std::size_t(index)] : none;
}

void TGlyphList::Draw(QPainter &painter, int index, QPoint pos, std::optional<QColor> background) const
{
    const QImage &image = Image(index);
    if (image.isNull())
        return;
    if (background)
        painter.fillRect(QRect(pos, image.size()), *background);
    painter.drawImage(pos, image);
}
