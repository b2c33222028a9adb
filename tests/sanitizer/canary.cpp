// sanitizer_canary KIND: commits one fault of KIND on purpose, so that the
// sanitized test run can show that its sanitizers, and the settings it runs
// them with, still catch faults of that kind.
#include <climits>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// The block is lost on a thread of its own that has ended, so that no stale
// copy of its address on a live stack hides the leak from the check at exit.
void LoseBlock() {
    std::thread([] {
        void* volatile block = std::malloc(64);
        (void)block;
    }).join();
}

}  // namespace

int main(int argc, char** argv) {
    const char* kind = argc > 1 ? argv[1] : "";
    if (std::strcmp(kind, "heap-buffer-overflow") == 0) {
        // A volatile store, so that the optimiser keeps it although the
        // block is freed right after.
        auto* block = static_cast<volatile char*>(std::malloc(8));
        volatile std::size_t past = 8;
        block[past] = 1;
        std::free(const_cast<char*>(block));
        return 0;
    }
    if (std::strcmp(kind, "leak") == 0) {
        LoseBlock();
        return 0;
    }
    if (std::strcmp(kind, "signed-integer-overflow") == 0) {
        volatile int largest = INT_MAX;
        return largest + argc > 0 ? 0 : 3;
    }
    return 2;
}
