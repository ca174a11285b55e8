#pragma once
// The program's growable list of item references. It never owns its items: whoever
// removes an item frees it (the optional OnDelete hook sees every removed item).

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>

class EListError : public std::out_of_range {
public:
    EListError() : std::out_of_range("List index out of bounds.") {}
};

class TOvListBase {
public:
    static constexpr int MaxListSize = 134217727;

    TOvListBase() = default;
    TOvListBase(const TOvListBase&) = delete;
    TOvListBase& operator=(const TOvListBase&) = delete;
    ~TOvListBase() = default;

    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    void SetCount(int newCount);
    void SetCapacity(int newCapacity);

protected:
    int AddRaw(void* item);
    void* ItemRaw(int index) const;
    void SetItemRaw(int index, void* item);
    int IndexOfRaw(const void* item) const;
    void* DeleteRaw(int index);
    void ClearRaw(const std::function<void(void*)>& onDelete);

private:
    void Grow();

    std::unique_ptr<void*[]> items_;
    int count_ = 0;
    int capacity_ = 0;
};

template <class T>
class TOvList : public TOvListBase {
public:
    // Sees every item that Delete or Clear removes. The program leaves it empty.
    std::function<void(T*)> OnDelete;

    int Add(T* item) { return AddRaw(item); }
    T* Items(int index) const { return static_cast<T*>(ItemRaw(index)); }
    void SetItems(int index, T* item) { SetItemRaw(index, item); }
    int IndexOf(const T* item) const { return IndexOfRaw(item); }

    void Delete(int index)
    {
        T* removed = static_cast<T*>(DeleteRaw(index));
        if (OnDelete) OnDelete(removed);
    }

    int Remove(const T* item)
    {
        int index = IndexOf(item);
        if (index >= 0) Delete(index);
        return index;
    }

    void Clear()
    {
        ClearRaw([this](void* item) {
            if (OnDelete) OnDelete(static_cast<T*>(item));
        });
    }
};
