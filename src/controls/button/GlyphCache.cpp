#include "GlyphCache.h"

#include "GlyphList.h"

#include <algorithm>

TGlyphCache::~TGlyphCache() = default;

TGlyphList *TGlyphCache::GetList(int width, int height)
{
    auto it = std::find_if(m_lists.begin(), m_lists.end(),
                           [&](const auto &list) { return list->Width() == width && list->Height() == height; });
    TGlyphList *list = nullptr;
    if (it != m_lists.end()) {
        list = it->get();
    } else {
        m_lists.push_back(std::make_unique<TGlyphList>(width, height));
        list = m_lists.back().get();
    }
    list->AddUser();
    return list;
}

void TGlyphCache::ReturnList(TGlyphList *list)
{
    if (!list || !list->RemoveUser())
        return;
    std::erase_if(m_lists, [list](const auto &owned) { return owned.get() == list; });
}
