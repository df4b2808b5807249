#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <type_traits>

namespace hostapi {

// A bounds-checked view of a block the host delivered. Every read states the
// offset and width of its field; a field that does not fit whole inside the
// block, or any field of an absent block, reads as absent. Nothing here ever
// touches a byte outside [data, data + size).
class BlockView {
public:
    BlockView() = default;  // an absent block
    BlockView(const void* data, std::size_t size)
        : data_(static_cast<const unsigned char*>(data)), size_(data ? size : 0) {}

    // A block from COM task memory, sized by the task allocator; null is absent.
    static BlockView OfTaskMemory(const void* block);

    bool IsPresent() const { return data_ != nullptr; }
    std::size_t Size() const { return size_; }

    bool Fits(std::size_t offset, std::size_t width) const {
        return data_ != nullptr && offset <= size_ && width <= size_ - offset;
    }

    template <typename T>
    std::optional<T> Read(std::size_t offset) const {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!Fits(offset, sizeof(T))) {
            return std::nullopt;
        }
        T value;
        std::memcpy(&value, data_ + offset, sizeof(T));
        return value;
    }

    std::optional<std::int8_t> Int8(std::size_t offset) const { return Read<std::int8_t>(offset); }
    std::optional<std::uint8_t> Uint8(std::size_t offset) const {
        return Read<std::uint8_t>(offset);
    }
    std::optional<std::int16_t> Int16(std::size_t offset) const {
        return Read<std::int16_t>(offset);
    }
    std::optional<std::int32_t> Int32(std::size_t offset) const {
        return Read<std::int32_t>(offset);
    }
    std::optional<std::int64_t> Int64(std::size_t offset) const {
        return Read<std::int64_t>(offset);
    }

    // A text field of `width` bytes: its bytes up to the first NUL, or all
    // `width` bytes when the host put no NUL inside the field.
    std::optional<std::string_view> Text(std::size_t offset, std::size_t width) const;

    // A part of the block, such as one entry of an array; absent unless it fits whole.
    BlockView Sub(std::size_t offset, std::size_t width) const {
        return Fits(offset, width) ? BlockView(data_ + offset, width) : BlockView();
    }

private:
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
};

// The same checks for the few places that store into a host block.
class MutableBlockView : public BlockView {
public:
    MutableBlockView() = default;
    MutableBlockView(void* data, std::size_t size)
        : BlockView(data, size), mutable_(static_cast<unsigned char*>(data)) {}

    static MutableBlockView OfTaskMemory(void* block);

    // False, and nothing written, when the field does not fit whole.
    template <typename T>
    bool Store(std::size_t offset, const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!Fits(offset, sizeof(T))) {
            return false;
        }
        std::memcpy(mutable_ + offset, &value, sizeof(T));
        return true;
    }

private:
    unsigned char* mutable_ = nullptr;
};

}  // namespace hostapi
