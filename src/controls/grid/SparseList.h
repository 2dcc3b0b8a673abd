#pragma once

#include "GridErrors.h"
#include "GridTypes.h"

#include <QString>

#include <cstddef>
#include <map>
#include <memory>
#include <utility>

// Slots per section of a sparse list.
enum class TSPAQuantum { SPASmall = 16, SPALarge = 256 };

// A list indexed from 0 whose slots are allocated a section at a time on the
// first write into that section; slots never written take no memory and read
// as a value-initialised T. It knows nothing of what its items mean.
template <typename T> class TSparseList
{
public:
    explicit TSparseList(TSPAQuantum quantum = TSPAQuantum::SPASmall)
        : m_quantum(static_cast<int>(quantum))
    {
    }
    TSparseList(const TSparseList &) = delete;
    TSparseList &operator=(const TSparseList &) = delete;

    int quantum() const { return m_quantum; }

    // One past the highest slot ever written and not deleted.
    int Count() const { return m_count; }

    // The item at `index`, or nullptr when its section does not exist.
    const T *Find(int index) const
    {
        check(index);
        const auto it = m_sections.find(index / m_quantum);
        return it == m_sections.end() ? nullptr : &it->second[index % m_quantum];
    }
    T *Find(int index) { return const_cast<T *>(std::as_const(*this).Find(index)); }

    // The slot at `index`, allocating its section if needed.
    T &Slot(int index)
    {
        check(index);
        auto &section = m_sections[index / m_quantum];
        if (!section)
            section = std::make_unique<T[]>(static_cast<std::size_t>(m_quantum));
        if (index >= m_count)
            m_count = index + 1;
        return section[index % m_quantum];
    }

    // Removes slot `index`; the slots after it move down by one.
    void Delete(int index)
    {
        check(index);
        if (index >= m_count)
            return;
        for (int i = index; i + 1 < m_count; ++i)
            moveSlot(i + 1, i);
        clearSlot(m_count - 1);
        --m_count;
    }

    // Opens an empty slot at `index`; the slots from it move up by one.
    void Insert(int index)
    {
        check(index);
        if (index >= m_count)
            return;
        for (int i = m_count - 1; i >= index; --i)
            moveSlot(i, i + 1);
        clearSlot(index);
    }

    void Exchange(int a, int b)
    {
        check(a);
        check(b);
        if (a == b)
            return;
        T *pa = Find(a);
        T *pb = Find(b);
        if (!pa && !pb)
            return;
        std::swap(Slot(a), Slot(b));
    }

    void Clear()
    {
        m_sections.clear();
        m_count = 0;
    }

    // Calls f(index, item) for every slot of every allocated section.
    template <typename F> void ForAll(F &&f) const
    {
        for (const auto &[sectionIndex, section] : m_sections)
            for (int i = 0; i < m_quantum; ++i)
                f(sectionIndex * m_quantum + i, section[i]);
    }

    int SectionCount() const { return static_cast<int>(m_sections.size()); }

    // Bytes held by the sections and their directory entries.
    std::size_t MemoryBytes() const
    {
        constexpr std::size_t directoryEntry = sizeof(void *) * 4 + sizeof(int) + sizeof(void *);
        return m_sections.size() * (static_cast<std::size_t>(m_quantum) * sizeof(T) + directoryEntry);
    }

private:
    void check(int index) const
    {
        if (index < 0)
            ThrowListIndexError(index);
    }
    void moveSlot(int from, int to)
    {
        T *source = Find(from);
        if (source)
            Slot(to) = std::move(*source);
        else if (T *target = Find(to))
            *target = T{};
    }
    void clearSlot(int index)
    {
        if (T *slot = Find(index))
            *slot = T{};
    }

    int m_quantum;
    int m_count = 0;
    std::map<int, std::unique_ptr<T[]>> m_sections;
};

// One cell of the store: its text and an object that is not owned.
struct StringItem
{
    QString Text;
    QObject *Object = nullptr;
};

// The cells of one grid row, indexed by column: a sparse string list whose
// items are (text, object) pairs.
class TStringSparseList
{
public:
    explicit TStringSparseList(TSPAQuantum quantum = TSPAQuantum::SPASmall)
        : m_list(quantum)
    {
    }

    int Count() const { return m_list.Count(); }
    QString Get(int index) const
    {
        const StringItem *item = Item(index);
        return item ? item->Text : QString();
    }
    QObject *GetObject(int index) const
    {
        const StringItem *item = Item(index);
        return item ? item->Object : nullptr;
    }
    void Put(int index, const QString &text);
    void PutObject(int index, QObject *object);
    void Delete(int index) { m_list.Delete(index); }
    void Insert(int index, const QString &text)
    {
        m_list.Insert(index);
        Put(index, text);
    }
    void Exchange(int a, int b) { m_list.Exchange(a, b); }
    // Moves the item at `from` to `to`, shifting the ones between.
    void Move(int from, int to);
    void Clear() { m_list.Clear(); }

    int quantum() const { return m_list.quantum(); }
    int SectionCount() const { return m_list.SectionCount(); }
    // Sections plus the text data held by the written cells.
    std::size_t MemoryBytes() const;

private:
    const StringItem *Item(int index) const
    {
        const auto *slot = m_list.Find(index);
        return slot ? slot->get() : nullptr;
    }
    StringItem &NewItem(int index);

    // A slot holds a pointer, so a section of 256 columns costs 2 KiB and a
    // cell takes its item's memory only once it is written.
    TSparseList<std::unique_ptr<StringItem>> m_list;
};
