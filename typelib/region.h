// Bounds-checked little-endian reads over a span of bytes. Every read in the
// reader goes through here: offsets are widened to 64 bits before they are
// compared, a sub-region is checked once and then parsed inside its own
// bounds, and a failed read is a value (false / nullopt), never a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <type_traits>

namespace qorvix {

class Region {
  public:
    Region() = default;
    Region(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t Size() const { return m_size; }
    const std::uint8_t* Data() const { return m_data; }
    bool Empty() const { return m_size == 0; }

    // True when [offset, offset + length) lies inside the region.
    bool Contains(std::int64_t offset, std::int64_t length) const {
        return offset >= 0 && length >= 0 && static_cast<std::uint64_t>(offset) <= m_size &&
               static_cast<std::uint64_t>(length) <= m_size - static_cast<std::uint64_t>(offset);
    }

    std::optional<Region> Sub(std::int64_t offset, std::int64_t length) const {
        if (!Contains(offset, length)) return std::nullopt;
        return Region(m_data + offset, static_cast<std::size_t>(length));
    }

    // The bytes from `offset` to the end.
    std::optional<Region> From(std::int64_t offset) const {
        if (offset < 0 || static_cast<std::uint64_t>(offset) > m_size) return std::nullopt;
        return Region(m_data + offset, m_size - static_cast<std::size_t>(offset));
    }

    template <typename T>
    bool Read(std::int64_t offset, T& out) const {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!Contains(offset, sizeof(T))) return false;
        // The formats are little-endian, as is every host we build for.
        std::memcpy(&out, m_data + offset, sizeof(T));
        return true;
    }

    std::optional<std::uint8_t> U8(std::int64_t offset) const { return Get<std::uint8_t>(offset); }
    std::optional<std::uint16_t> U16(std::int64_t offset) const {
        return Get<std::uint16_t>(offset);
    }
    std::optional<std::int16_t> I16(std::int64_t offset) const { return Get<std::int16_t>(offset); }
    std::optional<std::uint32_t> U32(std::int64_t offset) const {
        return Get<std::uint32_t>(offset);
    }
    std::optional<std::int32_t> I32(std::int64_t offset) const { return Get<std::int32_t>(offset); }

    std::optional<std::string_view> Bytes(std::int64_t offset, std::int64_t length) const {
        if (!Contains(offset, length)) return std::nullopt;
        return std::string_view(reinterpret_cast<const char*>(m_data + offset),
                                static_cast<std::size_t>(length));
    }

  private:
    template <typename T>
    std::optional<T> Get(std::int64_t offset) const {
        T value;
        if (!Read(offset, value)) return std::nullopt;
        return value;
    }

    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
};

// Sequential reads over a region; once a read fails the cursor stays failed,
// so a parser can read a whole record and check once.
class Cursor {
  public:
    explicit Cursor(Region region, std::int64_t offset = 0) : m_region(region), m_offset(offset) {}

    template <typename T>
    T Read() {
        T value{};
        if (m_ok && m_region.Read(m_offset, value)) {
            m_offset += static_cast<std::int64_t>(sizeof(T));
        } else {
            m_ok = false;
        }
        return value;
    }
    std::uint8_t U8() { return Read<std::uint8_t>(); }
    std::uint16_t U16() { return Read<std::uint16_t>(); }
    std::int16_t I16() { return Read<std::int16_t>(); }
    std::uint32_t U32() { return Read<std::uint32_t>(); }
    std::int32_t I32() { return Read<std::int32_t>(); }

    std::string_view Bytes(std::int64_t length) {
        auto bytes = m_ok ? m_region.Bytes(m_offset, length) : std::nullopt;
        if (!bytes) {
            m_ok = false;
            return {};
        }
        m_offset += length;
        return *bytes;
    }
    void Skip(std::int64_t length) {
        if (m_ok && m_region.Contains(m_offset, length)) {
            m_offset += length;
        } else {
            m_ok = false;
        }
    }
    void Seek(std::int64_t offset) {
        if (m_ok && m_region.Contains(offset, 0)) {
            m_offset = offset;
        } else {
            m_ok = false;
        }
    }

    bool Ok() const { return m_ok; }
    std::int64_t Offset() const { return m_offset; }
    std::int64_t Remaining() const {
        return m_ok ? static_cast<std::int64_t>(m_region.Size()) - m_offset : 0;
    }
    const Region& Whole() const { return m_region; }

  private:
    Region m_region;
    std::int64_t m_offset = 0;
    bool m_ok = true;
};

}  // namespace qorvix
