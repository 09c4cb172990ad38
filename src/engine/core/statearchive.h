#pragma once
// The bytes of a snapshot: a writer that appends values to a buffer and a reader that takes them
// back in the same order. A class lists what it keeps once, in a template `Keep(archive)` that
// both run (the writer copies each value out, the reader copies it back in), so that saving and
// restoring can never disagree about what a snapshot holds. Values are kept as their bytes: a
// snapshot is read back by the build that wrote it, in the same run, never from a file.
//
// A reader given too few bytes stops reading: every later value is left as it was and Failed()
// says so.
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

class StateWriter {
public:
    static constexpr bool kReading = false;

    template <typename T>
    void Value(const T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>, "kept as its bytes");
        const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
        bytes_.insert(bytes_.end(), bytes, bytes + sizeof(T));
    }
    // A count of things that follow; the reader's Count answers it.
    uint32_t Count(std::size_t count)
    {
        const auto kept = static_cast<uint32_t>(count);
        Value(kept);
        return kept;
    }
    template <typename T>
    void Values(const std::vector<T>& values)
    {
        static_assert(std::is_trivially_copyable_v<T>, "kept as their bytes");
        Count(values.size());
        const auto* bytes = reinterpret_cast<const uint8_t*>(values.data());
        bytes_.insert(bytes_.end(), bytes, bytes + values.size() * sizeof(T));
    }
    void Text(const std::string& text)
    {
        Count(text.size());
        bytes_.insert(bytes_.end(), text.begin(), text.end());
    }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

class StateReader {
public:
    static constexpr bool kReading = true;

    StateReader(const uint8_t* bytes, std::size_t size) : at_(bytes), end_(bytes + size) {}
    explicit StateReader(const std::vector<uint8_t>& bytes) : StateReader(bytes.data(), bytes.size()) {}

    template <typename T>
    void Value(T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>, "kept as its bytes");
        if (Take(sizeof(T)))
            std::memcpy(&value, at_ - sizeof(T), sizeof(T));
    }
    // The count the writer wrote; 0 once reading has failed.
    uint32_t Count(std::size_t = 0)
    {
        uint32_t count = 0;
        Value(count);
        return failed_ ? 0 : count;
    }
    template <typename T>
    void Values(std::vector<T>& values)
    {
        static_assert(std::is_trivially_copyable_v<T>, "kept as their bytes");
        const uint32_t count = Count();
        if (!Take(static_cast<std::size_t>(count) * sizeof(T)))
            return;
        values.resize(count);
        if (count > 0)
            std::memcpy(values.data(), at_ - count * sizeof(T), count * sizeof(T));
    }
    void Text(std::string& text)
    {
        const uint32_t count = Count();
        if (Take(count))
            text.assign(reinterpret_cast<const char*>(at_ - count), count);
    }

    bool Failed() const { return failed_; }
    bool AtEnd() const { return at_ == end_; }

private:
    bool Take(std::size_t size)
    {
        if (failed_ || static_cast<std::size_t>(end_ - at_) < size) {
            failed_ = true;
            return false;
        }
        at_ += size;
        return true;
    }

    const uint8_t* at_;
    const uint8_t* end_;
    bool failed_ = false;
};
