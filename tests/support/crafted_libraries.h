// Type libraries that no IDL compiler writes, built byte by byte: one whose
// names and strings try to break the generated source, and one with each
// shape of library that the generator once turned into text a compiler
// rejects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "typelib/oleauto.h"

namespace qorvix::test {

// Names with CR, LF, CR LF followed by code, TAB, ESC, BEL, NUL, DEL and
// quotes, in every kind of type and member, and in string values.
std::vector<std::uint8_t> HostileNamesLibrary();
// The hostile names themselves (windows-1252 bytes).
std::vector<std::string> HostileNames();

// Duplicate and cut names, trailing underscores, long lines, pointer
// fields, property accessors, dates and strings, non-ASCII names.
std::vector<std::uint8_t> CompilerFaultsLibrary();

// Records as C lays them out for `syskind` (SYS_WIN32 or SYS_WIN64): fields
// of an alias of a pointer and of an alias of one, gaps before a field and
// at a record's end, a nested record with gaps, a union larger than its
// members; and properties whose accessors' names reach 31 characters.
std::vector<std::uint8_t> LayoutLibrary(SYSKIND syskind);

// Records, an alias and an interface that use types of a library that is
// not registered and not beside it: every reference to it fails.
std::vector<std::uint8_t> MissingImportLibrary();

}  // namespace qorvix::test
