#include "base/OvList.h"

#include <algorithm>

void TOvListBase::Grow()
{
    int delta = capacity_ > 64 ? capacity_ / 4 : (capacity_ > 8 ? 16 : 4);
    SetCapacity(std::min(capacity_ + delta, MaxListSize));
}

int TOvListBase::AddRaw(void* item)
{
    if (count_ == capacity_) {
        if (capacity_ >= MaxListSize) throw EListError();
        Grow();
    }
    items_[count_] = item;
    return count_++;
}

void* TOvListBase::ItemRaw(int index) const
{
    if (index < 0 || index >= count_) throw EListError();
    return items_[index];
}

void TOvListBase::SetItemRaw(int index, void* item)
{
    if (index < 0 || index >= count_) throw EListError();
    items_[index] = item;
}

int TOvListBase::IndexOfRaw(const void* item) const
{
    for (int i = 0; i < count_; ++i)
        if (items_[i] == item) return i;
    return -1;
}

void* TOvListBase::DeleteRaw(int index)
{
    if (index < 0 || index >= count_) throw EListError();
    void* removed = items_[index];
    std::copy(items_.get() + index + 1, items_.get() + count_, items_.get() + index);
    --count_;
    if (count_ < capacity_ / 2) SetCapacity(capacity_ / 2);
    return removed;
}

void TOvListBase::ClearRaw(const std::function<void(void*)>& onDelete)
{
    // Take the items out first, so that the hook never sees a half-cleared list.
    std::unique_ptr<void*[]> old = std::move(items_);
    int oldCount = count_;
    count_ = 0;
    capacity_ = 0;
    for (int i = 0; i < oldCount; ++i) onDelete(old[i]);
}

void TOvListBase::SetCapacity(int newCapacity)
{
    if (newCapacity < count_ || newCapacity > MaxListSize) throw EListError();
    if (newCapacity == capacity_) return;
    std::unique_ptr<void*[]> grown(newCapacity > 0 ? new void*[newCapacity] : nullptr);
    std::copy(items_.get(), items_.get() + count_, grown.get());
    items_ = std::move(grown);
    capacity_ = newCapacity;
}

void TOvListBase::SetCount(int newCount)
{
    if (newCount < 0 || newCount > MaxListSize) throw EListError();
    if (newCount > capacity_) SetCapacity(newCount);
    for (int i = count_; i < newCount; ++i) items_[i] = nullptr;
    count_ = newCount;
}
