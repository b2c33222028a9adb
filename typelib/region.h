// Bounds-checked little-endian reads over a span of bytes. Every read in the
// reader goes through here: offsets are widened to 64 bits before they are
// compared, a sub-region is checked once and then parsed inside its own
// bounds, and a failed read is a value (false), never a crash. Nothing here
// hands out an unchecked result: a read either fills its output and says
// true, or says false.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <vector>

namespace qorvix {

static_assert(std::endian::native == std::endian::little,
              "the formats are little-endian; reads copy the bytes as they are");

// A little-endian field of an on-disk record. Its alignment is 1, so a
// record declared as a struct of such fields has exactly the file's layout
// (checked with a static_assert on its size) and can be read in one copy.
template <typename T>
class Le {
  public:
    static_assert(std::is_trivially_copyable_v<T>);
    operator T() const {
        T value;
        std::memcpy(&value, m_bytes, sizeof value);
        return value;
    }

  private:
    std::uint8_t m_bytes[sizeof(T)];
};
using LeU16 = Le<std::uint16_t>;
using LeI16 = Le<std::int16_t>;
using LeU32 = Le<std::uint32_t>;
using LeI32 = Le<std::int32_t>;
using LeU64 = Le<std::uint64_t>;

class Region {
  public:
    Region() = default;
    // `origin` is where the bytes start in the file they came from, so that
    // a failure can say where it lies.
    Region(const std::uint8_t* data, std::size_t size, std::int64_t origin = 0)
        : m_data(data), m_size(size), m_origin(origin) {}

    std::size_t Size() const { return m_size; }
    bool Empty() const { return m_size == 0; }
    std::int64_t FileOffset(std::int64_t offset) const { return m_origin + offset; }

    // True when [offset, offset + length) lies inside the region.
    bool Contains(std::int64_t offset, std::int64_t length) const {
        return offset >= 0 && length >= 0 && static_cast<std::uint64_t>(offset) <= m_size &&
               static_cast<std::uint64_t>(length) <= m_size - static_cast<std::uint64_t>(offset);
    }

    [[nodiscard]] bool Sub(std::int64_t offset, std::int64_t length, Region& out) const {
        if (!Contains(offset, length)) return false;
        out = Region(m_data + offset, static_cast<std::size_t>(length), m_origin + offset);
        return true;
    }

    // The bytes from `offset` to the end.
    [[nodiscard]] bool From(std::int64_t offset, Region& out) const {
        return Sub(offset, static_cast<std::int64_t>(m_size) - offset, out);
    }

    // A value or a whole record (a struct of Le fields) at `offset`.
    template <typename T>
    [[nodiscard]] bool Read(std::int64_t offset, T& out) const {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!Contains(offset, sizeof(T))) return false;
        std::memcpy(&out, m_data + offset, sizeof(T));
        return true;
    }

    // `count` values in a row, such as a table of offsets.
    template <typename T>
    [[nodiscard]] bool ReadArray(std::int64_t offset, std::size_t count,
                                 std::vector<T>& out) const {
        static_assert(std::is_trivially_copyable_v<T>);
        if (count > m_size / sizeof(T) ||
            !Contains(offset, static_cast<std::int64_t>(count * sizeof(T)))) {
            return false;
        }
        out.resize(count);
        if (count > 0) std::memcpy(out.data(), m_data + offset, count * sizeof(T));
        return true;
    }

    [[nodiscard]] bool Bytes(std::int64_t offset, std::int64_t length,
                             std::string_view& out) const {
        if (!Contains(offset, length)) return false;
        out = std::string_view(reinterpret_cast<const char*>(m_data + offset),
                               static_cast<std::size_t>(length));
        return true;
    }

    // All of the region's bytes.
    std::string_view Text() const {
        return std::string_view(reinterpret_cast<const char*>(m_data), m_size);
    }

  private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    std::int64_t m_origin = 0;
};

// Sequential reads over a region; once a read fails the cursor stays failed,
// so a parser can read a whole record and check once. Values read after a
// failure are zero.
class Cursor {
  public:
    explicit Cursor(Region region, std::int64_t offset = 0) : m_region(region), m_offset(offset) {}

    template <typename T>
    T Read() {
        T value{};
        if (m_ok && m_region.Read(m_offset, value)) {
            m_offset += static_cast<std::int64_t>(sizeof(T));
        } else {
            Fail();
        }
        return value;
    }
    std::uint8_t U8() { return Read<std::uint8_t>(); }
    std::uint16_t U16() { return Read<std::uint16_t>(); }
    std::uint32_t U32() { return Read<std::uint32_t>(); }

    std::string_view Bytes(std::int64_t length) {
        std::string_view bytes;
        if (m_ok && m_region.Bytes(m_offset, length, bytes)) {
            m_offset += length;
        } else {
            Fail();
        }
        return bytes;
    }
    void Skip(std::int64_t length) {
        if (m_ok && m_region.Contains(m_offset, length)) {
            m_offset += length;
        } else {
            Fail();
        }
    }

    bool Ok() const { return m_ok; }
    std::int64_t Offset() const { return m_offset; }
    // Where the first failed read began, in the file.
    std::int64_t FileOffset() const { return m_region.FileOffset(m_offset); }

  private:
    void Fail() { m_ok = false; }

    Region m_region;
    std::int64_t m_offset = 0;
    bool m_ok = true;
};

}  // namespace qorvix
