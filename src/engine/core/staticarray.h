#pragma once
// Fixed-capacity arrays that never allocate after construction: the hit ring of the world and
// the particle pool are built on them.
#include <cstddef>

namespace kolm {

// N records, all value-initialised (zeroed) at construction and by Clear.
template <typename T, int N>
class CStaticArray {
public:
    static_assert(N > 0, "a static array holds at least one record");

    CStaticArray() { ZeroAll(); }
    virtual ~CStaticArray() = default;
    virtual void Clear() { ZeroAll(); }

    int Capacity() const { return capacity_; }
    T& operator[](int index) { return items_[index]; }
    const T& operator[](int index) const { return items_[index]; }

protected:
    void ZeroAll()
    {
        for (T& item : items_)
            item = T();
    }

    int capacity_ = N;
    T items_[N];
};

// The same records used as a ring: Push writes at the write position and advances it, wrapping
// from the last slot to the first and silently overwriting the oldest record. Pop steps back
// and empties the slot it takes, so the ring also serves as a bounded stack.
template <typename T, int N>
class CStaticArrayWithPush : public CStaticArray<T, N> {
public:
    void Clear() override
    {
        CStaticArray<T, N>::Clear();
        position_ = 0;
    }

    void Push(const T& item)
    {
        this->items_[position_] = item;
        position_ = position_ + 1 == N ? 0 : position_ + 1;
    }

    // The slot just before the write position (the most recent push), wrapping.
    int PreviousIndex() const { return position_ == 0 ? N - 1 : position_ - 1; }
    T& Newest() { return this->items_[PreviousIndex()]; }

    // Takes the record just before the write position and empties its slot.
    T Pop()
    {
        position_ = PreviousIndex();
        T item = this->items_[position_];
        this->items_[position_] = T();
        return item;
    }

    int Position() const { return position_; }

    // Every record and the write position, for a snapshot.
    template <typename Archive>
    void Keep(Archive& archive)
    {
        for (T& item : this->items_)
            archive.Value(item);
        archive.Value(position_);
    }

private:
    int position_ = 0;
};

} // namespace kolm
