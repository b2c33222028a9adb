// Wraps bytes in a minimal PE32 or PE32+ image with TYPELIB resources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qorvix::test {

struct PeResource {
    std::u16string type = u"TYPELIB";  // empty: a numeric type (`numericType`)
    std::uint16_t numericType = 0;
    std::uint16_t id = 1;
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
};

struct PeOptions {
    bool pe32Plus = false;
    bool dotNet = false;  // sets the CLR data directory
};

std::vector<std::uint8_t> BuildPe(const std::vector<PeResource>& resources,
                                  const PeOptions& options = {});

}  // namespace qorvix::test
