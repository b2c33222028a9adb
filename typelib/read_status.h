// What reading one item of a library gave: the status code that the
// ITypeLib/ITypeInfo surface returns and, when the file is at fault, a short
// reason and the file offset of the damage, for people (tlbdump --reasons).
#pragma once

#include <cstdint>
#include <memory>

#include "typelib/oleauto.h"

namespace qorvix {

// Sixteen bytes, so that it is returned in registers: every read returns
// one. Offsets are kept to 32 bits; no library's records lie further in
// (its own offsets are 32-bit), and one that would is shown as none.
class [[nodiscard]] ReadStatus {
  public:
    constexpr ReadStatus() = default;
    // A status without a reason: success, or an item that is not there.
    constexpr ReadStatus(HRESULT hr) : m_hr(hr) {}
    // Damage: `reason` is a string literal; `offset` is a file offset, or -1
    // when no one place is at fault.
    constexpr ReadStatus(HRESULT hr, const char* reason, std::int64_t offset)
        : m_hr(hr),
          m_offset(offset >= 0 && offset < kNoOffset ? static_cast<std::uint32_t>(offset)
                                                     : kNoOffset),
          m_reason(reason) {}

    bool Ok() const { return SUCCEEDED(m_hr); }
    HRESULT Code() const { return m_hr; }
    const char* Reason() const { return m_reason; }
    std::int64_t Offset() const { return m_offset == kNoOffset ? -1 : std::int64_t{m_offset}; }
    // The same failure under another status code, for callers whose contract
    // names a different one.
    ReadStatus As(HRESULT hr) const {
        ReadStatus other = *this;
        if (!Ok()) other.m_hr = hr;
        return other;
    }

  private:
    static constexpr std::uint32_t kNoOffset = 0xFFFFFFFF;

    HRESULT m_hr = S_OK;
    std::uint32_t m_offset = kNoOffset;
    const char* m_reason = nullptr;
};
static_assert(sizeof(ReadStatus) == 16);

// A failure for damage: built out of line, on a path marked cold, so that
// the reading code around its checks stays small.
[[gnu::cold, gnu::noinline]] inline ReadStatus Damage(HRESULT hr, const char* reason,
                                                      std::int64_t offset) {
    return ReadStatus(hr, reason, offset);
}

// The image is not a library that can be read: refused as a whole.
inline ReadStatus Unusable(const char* reason, std::int64_t offset) {
    return Damage(TYPE_E_CANTLOADLIBRARY, reason, offset);
}

// A part of a library decoded on first use and kept, with its status: a
// failure is decoded once too.
template <typename T>
class Decoded {
  public:
    // `decode(T&)` fills a new part and returns its status.
    template <typename Decode>
    ReadStatus Get(Decode&& decode, const T*& out) {
        if (!m_read) {
            m_read = true;
            auto part = std::make_unique<T>();
            m_status = decode(*part);
            if (m_status.Ok()) m_part = std::move(part);
        }
        out = m_part.get();
        return m_status;
    }
    // The part when it has been decoded without failure, else null.
    const T* Ready() const { return m_part.get(); }

  private:
    bool m_read = false;
    ReadStatus m_status;
    std::unique_ptr<T> m_part;
};

}  // namespace qorvix
