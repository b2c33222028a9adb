// The COBOL run-time modules: the reserved-word service is only used while
// one of them is in the process.
#pragma once

extern "C" const char* korval_runtime_name(void);
