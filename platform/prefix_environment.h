// The environment a program in a Wine prefix would see, as far as the
// registry and the prefix's layout set it: what "%SystemRoot%" and its
// kin in a registered path stand for, and where a bare file name is
// searched for.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace qorvix {

class PrefixEnvironment {
  public:
    // Reads the registry's settings now; `registry` must outlive this.
    explicit PrefixEnvironment(const Registry& registry);

    // The value of the variable `name` (any case), expanded; null when
    // the prefix does not define it. The user's and the system's
    // environment keys come first, then the folders every process is
    // given (SystemRoot, ProgramFiles, USERPROFILE, ...).
    const std::string* Find(std::string_view name) const;

    // Where a bare file name is looked for, as Windows paths: the system
    // folder, the 16-bit system folder, the Windows folder, then the
    // folders of PATH; each once, and no more than kMaxSearchFolders (a
    // real PATH holds a few dozen).
    static constexpr std::size_t kMaxSearchFolders = 256;
    std::vector<std::string> SearchFolders() const;

  private:
    void SetFixed(const std::string& name, std::optional<std::string> registered,
                  const std::string& fallback);
    std::optional<std::string> FromRegistry(const std::string& lowerName) const;
    // A fixed folder's value by its name in any case, or null.
    const std::string* FindFixed(std::string_view name) const;

    std::map<std::string, std::string> m_fixed;  // lower-case name -> value
    std::optional<Registry::Key> m_systemVariables;
    std::optional<Registry::Key> m_userVariables;
    // Variables of the environment keys, expanded when first asked for.
    mutable std::map<std::string, std::optional<std::string>> m_expanded;
};

}  // namespace qorvix
