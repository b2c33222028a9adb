// A reserved-word service that links its run-time module but lacks its entries.
#include "plugins/korval.h"

extern "C" __attribute__((visibility("default"))) const char* quelbrin_runtime(void) {
    return korval_runtime_name();
}
