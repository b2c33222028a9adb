// The registered versions of one type library, read once, so that asking
// for each of many versions costs no more than reading them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/registry.h"
#include "typelib/oleauto.h"

namespace qorvix {

class RegisteredVersions {
  public:
    // `library` is HKEY_CLASSES_ROOT\TypeLib\{guid}.
    explicit RegisteredVersions(const Registry::Key& library);

    // The file registered for the version asked for, as the registry
    // holds it: exactly that version, else the highest minor of the same
    // major that is not older; 0xFFFF.0xFFFF asks for the newest. A
    // version that registers no file gives way to the next best one. Of
    // its locales: as asked, its primary language, neutral, then any.
    std::optional<std::string> File(WORD major, WORD minor, LCID lcid) const;

  private:
    struct Version {
        Registry::Key key;
        std::string anyLocaleFile;  // the file of the first locale that has one
    };
    const Version* Choose(WORD major, WORD minor) const;

    // Only versions that register a file; of two keys that name the same
    // version ("1.2", "01.2"), the first in registry order.
    std::map<std::pair<WORD, WORD>, Version> m_versions;
};

}  // namespace qorvix
