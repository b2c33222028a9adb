// The reserved-word service: vexalon prepares it, vexamir answers whether an
// upper-case text is a COBOL reserved word of the dialect qorvix writes.
#include <cstring>
#include <string_view>
#include <unordered_set>

#include "plugins/korval.h"

namespace quelbrin {
extern const char* const kReservedWords[];
extern const unsigned kReservedWordCount;
}  // namespace quelbrin

namespace {

const std::unordered_set<std::string_view>& Words() {
    static const std::unordered_set<std::string_view> words = [] {
        std::unordered_set<std::string_view> set;
        for (unsigned i = 0; i < quelbrin::kReservedWordCount; ++i)
            set.insert(quelbrin::kReservedWords[i]);
        return set;
    }();
    return words;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void vexalon(void) {
    // The service runs on the run-time system it is linked with.
    if (korval_runtime_name()) Words();
}

extern "C" __attribute__((visibility("default"))) int vexamir(const char* text, int length) {
    if (!text || length <= 0) return 0;
    return Words().count(std::string_view(text, static_cast<std::size_t>(length))) ? 1 : 0;
}
