// What one generation passes down through the emitters.
#pragma once

#include <string>

#include "naming/cobol_name.h"
#include "naming/name_table.h"
#include "typelib/typelib.h"

namespace qorvix {

// What a generation is asked for: the copy file and the three switches
// (the command line's, or the contents dialog's).
struct GenerationOptions {
    std::string copyFile;
    bool interfaceClasses = false;
    bool dualInterfaces = false;  // counts only with interfaceClasses
    bool addToProject = false;    // counts only when the IDE is registered

    bool operator==(const GenerationOptions&) const = default;
};

// The registry's ProgID for a CLSID.
class ProgIdLookup {
  public:
    virtual ~ProgIdLookup() = default;
    // S_OK (exactly) with the ProgID, or a failure.
    virtual HRESULT ProgIDFromCLSID(const CLSID& clsid, std::u16string& progId) = 0;
};

// The state of one generation: the run's naming (shared with every other
// generation of the run), the one name of each type for this generation,
// and where ProgIDs come from (none: no class has one).
struct GenerationContext {
    explicit GenerationContext(CobolNaming& runNaming, ProgIdLookup* lookup = nullptr)
        : naming(runNaming), names(runNaming), progIds(lookup) {}
    GenerationContext(const GenerationContext&) = delete;
    GenerationContext& operator=(const GenerationContext&) = delete;

    CobolNaming& naming;
    TypeNames names;
    ProgIdLookup* progIds;
};

}  // namespace qorvix
