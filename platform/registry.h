// The registry of a Wine prefix, read only: the files system.reg (the
// machine's keys) and user.reg (the user's). HKEY_CLASSES_ROOT is the
// machine's Software\Classes with the user's Software\Classes over it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorvix {

enum RegistryValueType : std::uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_MULTI_SZ = 7,
};

struct RegistryValue {
    std::string name;  // empty: the default value
    std::uint32_t type = REG_NONE;
    std::string text;  // REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ (UTF-8; NULs between parts)
    std::vector<std::uint8_t> data;  // everything else (a dword as its 4 bytes)
};

// The most of a registry file that is read: far more than any real
// prefix holds, and a limit for a file that never ends.
constexpr std::uint64_t kMaxRegistryFileBytes = std::uint64_t{256} << 20;
// The deepest key path the platform allows; a deeper key is not read.
constexpr std::size_t kMaxKeyDepth = 512;

// What loading a prefix's files had to say.
struct RegistryWarning {
    enum Kind {
        kNotRead,       // the file is there but was refused or could not be read
        kMissing,       // no such file: an empty hive, as in a prefix not yet made
        kSkippedLines,  // lines that could not be read were left out
        kTooDeep,       // keys nested deeper than kMaxKeyDepth were left out
    };
    std::string text;
    Kind kind = kNotRead;
};

class Registry {
  public:
    struct Hive;

    // When a key's values are read from the text: all at load, which
    // counts the lines that cannot be read; or when the key's values are
    // first asked for, so that a run that needs a few keys reads no more of
    // the rest than their section headers.
    enum class ValueReading { kAtLoad, kWhenAsked };

    // An open key: the same path in one or more hives, the first winning.
    class Key {
      public:
        // The name of subkey `index` (case as stored), or nullopt past the end.
        std::optional<std::string> EnumKey(std::size_t index) const;
        std::optional<Key> Open(std::string_view path) const;
        // Valid as long as this key object.
        const RegistryValue* Value(std::string_view name) const;
        // A string value read as text into a buffer of `bufferBytes` bytes
        // (terminator included): nullopt when missing, not text, or too long.
        std::optional<std::string> Text(std::string_view name,
                                        std::size_t bufferBytes = SIZE_MAX) const;

      private:
        friend class Registry;
        static std::optional<Key> OpenIn(const Hive& hive, std::uint32_t from,
                                         std::string_view path);
        struct Layer {
            const Hive* hive;
            std::uint32_t key;
        };
        std::vector<Layer> m_layers;
        mutable std::optional<std::vector<std::string>> m_subkeys;
        mutable std::map<std::string, RegistryValue> m_values;  // asked for, by lower-case name
    };

    Registry();
    ~Registry();
    Registry(Registry&&) noexcept;
    Registry& operator=(Registry&&) noexcept;

    // Reads the prefix's system.reg and user.reg. Missing or unreadable
    // files, and anything but a regular file of at most
    // kMaxRegistryFileBytes, leave that hive empty; `warnings` (optional)
    // says why. Skipped lines are counted (kSkippedLines) only when the
    // values are read at load.
    static Registry LoadWinePrefix(const std::string& prefix,
                                   std::vector<RegistryWarning>* warnings = nullptr,
                                   ValueReading reading = ValueReading::kAtLoad);
    // The prefix in use: $WINEPREFIX, else ~/.wine.
    static std::string DefaultPrefix();

    // Parses the text of a .reg file into the machine's or the user's hive.
    // Lines it cannot read are skipped; returns how many were (with
    // kWhenAsked, only the lines outside any key: the others are not read
    // yet). A key nested deeper than kMaxKeyDepth is left out with its
    // values, and counted in `tooDeep` (optional). A hive keeps the text;
    // it holds at most kMaxHiveText bytes of it, and a text that would pass
    // that is not read (one skipped line).
    static constexpr std::size_t kMaxHiveText = (std::size_t{1} << 31) - 1;
    std::size_t LoadMachine(std::string_view text, std::size_t* tooDeep = nullptr,
                            ValueReading reading = ValueReading::kAtLoad);
    std::size_t LoadUser(std::string_view text, std::size_t* tooDeep = nullptr,
                         ValueReading reading = ValueReading::kAtLoad);

    std::optional<Key> OpenClassesRoot(std::string_view path = {}) const;
    std::optional<Key> OpenMachine(std::string_view path) const;
    std::optional<Key> OpenUser(std::string_view path) const;

  private:
    std::unique_ptr<Hive> m_machine;
    std::unique_ptr<Hive> m_user;
};

}  // namespace qorvix
