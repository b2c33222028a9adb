// Symbolic names of status codes (SCODE and HRESULT values).
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qorvix {

// The name of the code in the table, or "0x" and eight lower-case digits.
std::string HRESULTToString(std::uint32_t value);
inline std::string HRESULTToString(std::int32_t value) {
    return HRESULTToString(static_cast<std::uint32_t>(value));
}

struct HresultName {
    std::uint32_t value;
    const char* name;
};
// Every code the table names, by value.
std::span<const HresultName> HresultNames();

}  // namespace qorvix
