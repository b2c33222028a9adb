// Where the running program lives.
#pragma once

#include <string>

namespace qorvix {

// The full path of the running executable (links resolved); empty when the
// system does not say.
std::string ExecutablePath();
// Its folder.
std::string ExecutableDirectory();

}  // namespace qorvix
