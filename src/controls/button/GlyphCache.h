#pragma once

#include <memory>
#include <vector>

class TGlyphList;

// The image lists shared by all button glyphs, one per image size: glyphs of
// the same size draw from the same list.
class TGlyphCache
{
public:
    TGlyphCache() = default;
    TGlyphCache(const TGlyphCache &) = delete;
    TGlyphCache &operator=(const TGlyphCache &) = delete;
    ~TGlyphCache();

    // The list for images of width x height, made when there is none yet;
    // the caller becomes one of its users.
    TGlyphList *GetList(int width, int height);
    // The caller stops using `list`; a list left without users is freed.
    void ReturnList(TGlyphList *list);

    bool Empty() const { return m_lists.empty(); }
    int Count() const { return int(m_lists.size()); }

private:
    std::vector<std::unique_ptr<TGlyphList>> m_lists;
};
