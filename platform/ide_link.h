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
    // The project's directory in the locale's character set; empty when the
    // project has none or the IDE does not say.
    virtual std::string Directory() = 0;
    // Adds a file, named without its folder, to the project. Failures are
    // not reported.
    virtual void AddFile(const std::string& bareName) = 0;
};

// The IDE's automation service.
class IdeLink {
  public:
    virtual ~IdeLink() = default;
    // The project open in the IDE, or null when there is no IDE, no
    // project, or no answer.
    virtual std::unique_ptr<IdeProject> CurrentProject() = 0;
};

}  // namespace qorvix
