// A temporary folder, removed with everything in it; and file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qorvix::test {

class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/qorvix-test-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
    }
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The lines of a generated file, each without its CRLF; a line that ends
// without CR (or a CR alone) is marked so tests notice.
inline std::vector<std::string> CrlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) {
            lines.push_back("<no line end>" + text.substr(at));
            break;
        }
        std::string line = text.substr(at, end - at);
        if (line.empty() || line.back() != '\r') {
            lines.push_back("<LF without CR>" + line);
        } else {
            line.pop_back();
            lines.push_back(line);
        }
        at = end + 1;
    }
    return lines;
}

// RAII: the process's current directory, restored afterwards.
class KeepCurrentDirectory {
  public:
    KeepCurrentDirectory() : m_saved(std::filesystem::current_path()) {}
    ~KeepCurrentDirectory() {
        std::error_code error;
        std::filesystem::current_path(m_saved, error);
    }

  private:
    std::filesystem::path m_saved;
};

}  // namespace qorvix::test
