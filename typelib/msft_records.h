// The records of an MSFT image, as the file stores them: structs of
// little-endian fields, each read whole through Region::Read. Offsets in
// the comments are the fields' offsets in the file's own record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "typelib/oleauto.h"
#include "typelib/region.h"

namespace qorvix::msft {

constexpr std::int32_t kNone = -1;

enum Segment {
    kTypeInfoSeg = 0,
    kImportInfoSeg = 1,
    kImportFilesSeg = 2,
    kReferencesSeg = 3,
    kGuidSeg = 5,
    kNamesSeg = 7,
    kStringsSeg = 8,
    kTypeDescSeg = 9,
    kArrayDescSeg = 10,
    kCustDataSeg = 11,
    kSegmentCount = 15,
};

// The header at the start of the image.
struct Header {
    LeU32 magic1;
    LeU32 magic2;
    LeI32 posguid;  // library GUID in the GUID segment
    LeU32 lcid;     // as built; chooses the code page
    LeU32 lcid2;    // as reported
    LeU32 varflags;
    LeU32 version;  // low 16 bits major, high 16 bits minor
    LeU32 flags;
    LeI32 typeCount;
    LeI32 helpString;
    LeI32 helpStringContext;
    LeI32 helpContext;
    LeI32 nameCount;  // informational
    LeI32 nameChars;  // informational
    LeI32 nameOffset;
    LeI32 helpFile;
    LeI32 customData;
    LeI32 guidHashSize;
    LeI32 nameHashSize;
    LeI32 dispatchPos;  // IDispatch as this library refers to it
    LeI32 importCount;  // checked through the segment instead
};
static_assert(sizeof(Header) == 0x54);
static_assert(offsetof(Header, typeCount) == 0x20 && offsetof(Header, dispatchPos) == 0x4C);

constexpr std::uint32_t kSyskindMask = 0xF;
constexpr std::uint32_t kHasHelpDll = 0x100;  // a help-string DLL offset follows the header

struct SegmentEntry {
    LeI32 offset;  // -1: absent, whatever the length says
    LeI32 length;
    LeI32 reserved1;
    LeI32 reserved2;
};
static_assert(sizeof(SegmentEntry) == 16);

// One typeinfo, in the typeinfo segment.
struct TypeRecord {
    LeU32 typekind;   // kind in bits 0-3, cbAlignment in bits 11-15
    LeI32 memoffset;  // image offset of the member block
    LeI32 reserved2[4];
    LeU32 cElement;  // low 16 bits functions, high 16 bits variables
    LeI32 reserved7[4];
    LeI32 posguid;
    LeU32 flags;
    LeI32 nameOffset;
    LeU32 version;
    LeI32 docString;
    LeI32 helpStringContext;
    LeI32 helpContext;
    LeI32 custData;
    LeU16 cImplTypes;
    LeU16 cbSizeVft;
    LeI32 size;
    LeI32 datatype1;  // by kind: base reference, aliased type, DLL name, first interface
    LeI32 datatype2;
    LeI32 reserved18;
    LeI32 reserved19;

    TYPEKIND Kind() const { return static_cast<TYPEKIND>(typekind & 0xF); }
    WORD Alignment() const { return static_cast<WORD>((typekind >> 11) & 0x1F); }
    WORD CFuncs() const { return static_cast<WORD>(cElement & 0xFFFF); }
    WORD CVars() const { return static_cast<WORD>(cElement >> 16); }
};
static_assert(sizeof(TypeRecord) == 100);
static_assert(offsetof(TypeRecord, posguid) == 0x2C && offsetof(TypeRecord, cImplTypes) == 0x4C &&
              offsetof(TypeRecord, datatype1) == 0x54);

// A type's member block starts with the length of its records; after the
// records come three arrays of n entries: member ids, name offsets, and
// record offsets relative to the first record.
struct MemberBlockHead {
    LeI32 infoLength;
};
static_assert(sizeof(MemberBlockHead) == 4);

// The fixed part of a function record. Optional fields follow as far as the
// record is long enough, then the default values (if any), then the
// parameter records, which end the record.
struct FuncRecord {
    LeU32 info;  // low 16 bits: the record's size
    LeI32 returnType;
    LeU32 funcFlags;
    LeU16 vtableOffset;  // low bit: mask off
    LeU16 rebuildSize;
    LeU32 fkccic;
    LeI16 cParams;
    LeI16 cParamsOpt;  // -1: vararg

    FUNCKIND FuncKind() const { return static_cast<FUNCKIND>(fkccic & 0x7); }
    INVOKEKIND InvKind() const { return static_cast<INVOKEKIND>((fkccic >> 3) & 0xF); }
    CALLCONV CallConv() const { return static_cast<CALLCONV>((fkccic >> 8) & 0xF); }
    bool HasDefaults() const { return (fkccic & 0x1000) != 0; }
    bool EntryIsOrdinal() const { return (fkccic & 0x2000) != 0; }
};
static_assert(sizeof(FuncRecord) == 24);
static_assert(offsetof(FuncRecord, fkccic) == 0x10);

// The optional fields of a function record that the reader uses; each is
// present when the record holds all of its bytes.
struct FuncOptional {
    LeU32 helpContext;
    LeI32 helpString;
    LeI32 entry;  // DLL entry: a string offset, or an ordinal
};
static_assert(sizeof(FuncOptional) == 12);

struct ParamRecord {
    LeI32 type;
    LeI32 nameOffset;
    LeU32 flags;
};
static_assert(sizeof(ParamRecord) == 12);

struct VarRecord {
    LeU32 info;  // low 16 bits: the record's size
    LeI32 type;
    LeU32 varFlags;
    LeU16 varkind;
    LeU16 rebuildSize;
    LeI32 value;  // per instance: offset; constant: value code
};
static_assert(sizeof(VarRecord) == 20);
static_assert(offsetof(VarRecord, varkind) == 0x0C);

struct VarOptional {
    LeU32 helpContext;
    LeI32 helpString;
};
static_assert(sizeof(VarOptional) == 8);

// A name in the names segment: this head, then `length` bytes.
struct NameHead {
    LeI32 typeOffset;
    LeI32 next;
    std::uint8_t length;
    std::uint8_t flags;
    LeU16 hash;
};
static_assert(sizeof(NameHead) == 12);

// A string in the strings segment: its length, then the bytes.
struct StringHead {
    LeU16 length;
};
static_assert(sizeof(StringHead) == 2);

// One coclass interface in the references segment; records are chained.
struct RefRecord {
    LeI32 href;
    LeI32 flags;
    LeI32 custData;
    LeI32 next;
};
static_assert(sizeof(RefRecord) == 16);

struct ImportInfo {
    LeU32 flags;  // bit 16: `target` is a GUID offset, else a type index
    LeI32 fileOffset;
    LeI32 target;

    bool ByGuid() const { return (flags & 0x10000) != 0; }
};
static_assert(sizeof(ImportInfo) == 12);

// One imported library: this head, then its file name.
struct ImportFile {
    LeI32 libGuid;
    LeU32 lcid;
    LeU16 major;
    LeU16 minor;
    LeU16 nameLength;  // bits 2-15: bytes of the name

    std::int64_t NameBytes() const { return nameLength >> 2; }
};
static_assert(sizeof(ImportFile) == 14);

struct TypeDescEntry {
    LeU32 vt;      // bits 0-11
    LeU32 target;  // by vt: a type code, an array offset or a reference
};
static_assert(sizeof(TypeDescEntry) == 8);

struct ArrayDescHead {
    LeI32 element;
    LeU16 dims;
    LeU16 boundsSize;
};
static_assert(sizeof(ArrayDescHead) == 8);

struct ArrayBound {
    LeU32 cElements;
    LeI32 lLbound;
};
static_assert(sizeof(ArrayBound) == 8);

// Values in the custom-data segment: the VARTYPE, then the data.
struct ValueHead {
    LeU16 vt;
};
static_assert(sizeof(ValueHead) == 2);

struct DecimalData {
    std::uint8_t scale;
    std::uint8_t sign;
    LeU32 hi32;
    LeU64 lo64;
};
static_assert(sizeof(DecimalData) == 14);

}  // namespace qorvix::msft
