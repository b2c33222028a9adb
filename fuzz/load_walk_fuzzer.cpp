// libFuzzer target: load any bytes as a type library (raw or PE) and walk
// every type, member, name, value and reference in it.
#include <cstddef>
#include <cstdint>

#include "tests/support/walk.h"
#include "typelib/load.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qorvix;
    // An exact-size copy, so that a read past the end is a read past the
    // allocation.
    ComPtr<ITypeLib> lib;
    if (SUCCEEDED(LoadTypeLibFromBytes(ByteSource::Copy(data, size), 1, LoadOptions{}, lib))) {
        test::WalkTypeLib(*lib);
    }
    return 0;
}
