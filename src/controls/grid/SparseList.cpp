#include "SparseList.h"

#include "GridErrors.h"

void ThrowGridError(const char *message)
{
    throw rundaro::EInvalidOperation(message);
}

void ThrowListIndexError(int index)
{
    throw EListError(QString::fromLatin1(GridErrors::ListIndexOutOfBounds).arg(index).toStdString());
}

StringItem &TStringSparseList::NewItem(int index)
{
    auto &slot = m_list.Slot(index);
    if (!slot)
        slot = std::make_unique<StringItem>();
    return *slot;
}

void TStringSparseList::Put(int index, const QString &text)
{
    // Writing an empty text into a cell that was never written allocates nothing.
    if (text.isEmpty() && !Item(index))
        return;
    NewItem(index).Text = text;
}

void TStringSparseList::PutObject(int index, QObject *object)
{
    if (!object && !Item(index))
        return;
    NewItem(index).Object = object;
}

std::size_t TStringSparseList::MemoryBytes() const
{
    std::size_t bytes = sizeof(*this) + m_list.MemoryBytes();
    m_list.ForAll([&bytes](int, const std::unique_ptr<StringItem> &item) {
        if (!item)
            return;
        bytes += sizeof(StringItem);
        if (!item->Text.isEmpty())
            bytes += static_cast<std::size_t>(item->Text.capacity()) * sizeof(QChar);
    });
    return bytes;
}

void TStringSparseList::Move(int from, int to)
{
    if (from == to)
        return;
    const QString text = Get(from);
    QObject *object = GetObject(from);
    m_list.Delete(from);
    m_list.Insert(to);
    Put(to, text);
    PutObject(to, object);
}
