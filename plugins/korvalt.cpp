#include "plugins/korval.h"

extern "C" __attribute__((visibility("default"))) const char* korval_runtime_name(void) {
    return "korvalt";
}
