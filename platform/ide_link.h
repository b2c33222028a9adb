// The COBOL IDE as the writer sees it: the project open in it, reached
// through the IDE's automation service.
#pragma once

#include <memory>
#include <string>

namespace qorvix {

// The IDE's current project.
class IdeProject {
  public:
    virtual ~IdeProject() = default;
    // The project's directory as the file system's bytes; empty when the
    // project has none or the IDE does not say.
    virtual std::string Directory() = 0;
    // Adds a file, named without its folder (the file system's bytes), to
    // the project. Failures are not reported.
    virtual void AddFile(const std::string& bareName) = 0;
};

// The IDE's automation service.
class IdeLink {
  public:
    virtual ~IdeLink() = default;
    // Whether the IDE can be told a file of this name (the file system's
    // bytes) at all; the writer treats a name it cannot as "no project".
    virtual bool CanName(const std::string& bareName) const {
        (void)bareName;
        return true;
    }
    // The project open in the IDE, or null when there is no IDE, no
    // project, or no answer.
    virtual std::unique_ptr<IdeProject> CurrentProject() = 0;
};

}  // namespace qorvix
