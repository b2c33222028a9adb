// The reasons a library cannot be loaded, as the reader gives them: in
// English, for tlbdump and for message 105. "%1" stands for the variable
// part of a reason. The string table gives them ids in the order of kAll,
// so that message 105 can say them in the user's language.
#pragma once

#include <string>
#include <string_view>

namespace qorvix::reason {

// The file
inline constexpr char kEmptyFile[] = "the file is empty";
inline constexpr char kUnknownSignature[] = "not a type library (unknown file signature)";
inline constexpr char kDirectory[] = "is a directory";
inline constexpr char kNamedPipe[] = "is a named pipe, not a file";
inline constexpr char kSocket[] = "is a socket, not a file";
inline constexpr char kDevice[] = "is a device, not a file";
inline constexpr char kNotRegularFile[] = "not a regular file";
inline constexpr char kTooLarge[] = "larger than %1 MiB; not read as a type library";
inline constexpr char kKeptChanging[] = "the file kept changing while it was read";

// The executable that holds the library
inline constexpr char kShortExecutable[] = "the file is too short for an executable header";
inline constexpr char kExecutableHeaderOutside[] = "the executable header points outside the file";
inline constexpr char kSixteenBitModule[] = "a 16-bit module, not supported";
inline constexpr char kNotPeImage[] = "not a Windows PE image";
inline constexpr char kTruncatedPeHeader[] = "truncated PE header";
inline constexpr char kUnknownOptionalMagic[] = "unknown PE optional-header magic";
inline constexpr char kTruncatedOptionalHeader[] = "truncated PE optional header";
inline constexpr char kTruncatedDataDirectory[] = "truncated PE data directory";
inline constexpr char kSectionTableOutside[] = "the PE section table runs past the end of the file";
inline constexpr char kResourceDirectoryOutside[] = "the resource directory lies outside the file";
inline constexpr char kNoNumberedResource[] = "the file has no TYPELIB resource %1";
inline constexpr char kMalformedResourceDirectory[] = "malformed resource directory";
inline constexpr char kMalformedResourceData[] = "malformed resource data entry";
inline constexpr char kResourceOutside[] = "the TYPELIB resource lies outside the file";
inline constexpr char kDotNetAssembly[] = "this is a .NET assembly; it contains no type library";
inline constexpr char kNoResource[] = "the file has no TYPELIB resource (it may be packed)";
inline constexpr char kUnknownImage[] =
    "the TYPELIB resource holds neither an MSFT nor an SLTG type library";

// The MSFT library's header
inline constexpr char kTruncatedMsftHeader[] = "truncated MSFT header";
inline constexpr char kImpossibleTypeCount[] = "impossible type count";
inline constexpr char kSegmentOutside[] = "a segment lies outside the library";

// The SLTG library's header, directory and library block
inline constexpr char kTruncatedSltgHeader[] = "truncated SLTG header";
inline constexpr char kTruncatedSltgDirectory[] = "truncated SLTG directory";
inline constexpr char kNotSltgDirectory[] = "not an SLTG stream directory";
inline constexpr char kBrokenBlockChain[] = "the SLTG block chain is broken";
inline constexpr char kBlockOutside[] = "an SLTG block lies outside the library";
inline constexpr char kUnterminatedBlockName[] = "an SLTG block name is not terminated";
inline constexpr char kChainWithoutLibraryBlock[] =
    "the SLTG block chain does not end with the library block";
inline constexpr char kBadLibraryBlock[] = "bad SLTG library block";
inline constexpr char kWrongTypeCount[] = "the SLTG type count is wrong";
inline constexpr char kBadTypeEntries[] = "bad SLTG type entries";
inline constexpr char kTypeEntryWrongBlock[] = "an SLTG type entry names the wrong block";
inline constexpr char kUnknownNamePreamble[] = "unknown SLTG name-table preamble";
inline constexpr char kNameTableOutside[] = "the SLTG name table lies outside the library block";

// A registered library (platform/machine_services.cpp, and the contents
// dialog without machine services)
inline constexpr char kVersionNotRegistered[] = "no file is registered for this version";
inline constexpr char kNotInPrefix[] = "no such file in the Wine prefix";
inline constexpr char kNoRegistry[] = "no registry";

// Every reason above, in the string table's order.
inline constexpr const char* kAll[] = {
    kEmptyFile,
    kUnknownSignature,
    kDirectory,
    kNamedPipe,
    kSocket,
    kDevice,
    kNotRegularFile,
    kTooLarge,
    kKeptChanging,
    kShortExecutable,
    kExecutableHeaderOutside,
    kSixteenBitModule,
    kNotPeImage,
    kTruncatedPeHeader,
    kUnknownOptionalMagic,
    kTruncatedOptionalHeader,
    kTruncatedDataDirectory,
    kSectionTableOutside,
    kResourceDirectoryOutside,
    kNoNumberedResource,
    kMalformedResourceDirectory,
    kMalformedResourceData,
    kResourceOutside,
    kDotNetAssembly,
    kNoResource,
    kUnknownImage,
    kTruncatedMsftHeader,
    kImpossibleTypeCount,
    kSegmentOutside,
    kTruncatedSltgHeader,
    kTruncatedSltgDirectory,
    kNotSltgDirectory,
    kBrokenBlockChain,
    kBlockOutside,
    kUnterminatedBlockName,
    kChainWithoutLibraryBlock,
    kBadLibraryBlock,
    kWrongTypeCount,
    kBadTypeEntries,
    kTypeEntryWrongBlock,
    kUnknownNamePreamble,
    kNameTableOutside,
    kVersionNotRegistered,
    kNotInPrefix,
    kNoRegistry,
};

// `pattern` with its "%1" replaced by `value`.
inline std::string Format(std::string_view pattern, std::string_view value) {
    std::size_t at = pattern.find("%1");
    if (at == std::string_view::npos) return std::string(pattern);
    std::string text(pattern.substr(0, at));
    text += value;
    text += pattern.substr(at + 2);
    return text;
}

}  // namespace qorvix::reason
