#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <optional>
#include <vector>

class QPainter;

// A list of images of one fixed size. A slot freed by Delete is handed out
// again by the next Add (lowest free slot first), so buttons that rebuild
// their images do not grow the list. The list also counts its users: the
// glyphs that draw from it.
class TGlyphList
{
public:
    TGlyphList(int width, int height);
    TGlyphList(const TGlyphList &) = delete;
    TGlyphList &operator=(const TGlyphList &) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Stores `image` (of the list's size) in the lowest free slot.
    int Add(const QImage &image);
    // Frees a slot; an index not in use is ignored.
    void Delete(int index);
    bool IsUsed(int index) const;
    // Slots in use.
    int Count() const { return m_count; }
    // Slots in use or free, i.e. the highest slot ever used plus one.
    int Capacity() const { return int(m_images.size()); }
    const QImage &Image(int index) const;

    // Draws slot `index` with its top-left corner at `pos`. With a
    // `background` the image's transparent pixels show that colour, without
    // one they show what is below.
    void Draw(QPainter &painter, int index, QPoint pos, std::optional<QColor> background = std::nullopt) const;

    void AddUser() { ++m_users; }
    // Returns true when the last user has gone.
    bool RemoveUser() { return --m_users <= 0; }
    int Users() const { return m_users; }

private:
    int m_width;
    int m_height;
    std::vector<QImage> m_images;
    std::vector<bool> m_used;
    int m_count = 0;
    int m_users = 0;
};
