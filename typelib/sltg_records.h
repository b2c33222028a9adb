// The records of an SLTG image, as the file stores them: structs of
// little-endian fields, each read whole through Region::Read or Cursor.
// Variable-length parts (counted strings, name tables) are read between
// them with a Cursor.
#pragma once

#include <cstddef>
#include <cstdint>

#include "typelib/oleauto.h"
#include "typelib/region.h"

namespace qorvix::sltg {

constexpr std::uint16_t kNone16 = 0xFFFF;
constexpr std::uint16_t kNoName = 0xFFFE;

// The header at the start of the image.
struct Header {
    LeU32 magic;
    LeU16 streams;   // typeinfos + 2
    LeU16 padding;   // zero bytes between the name area and the first block
    LeU16 nameArea;  // bytes of block names
    LeU16 first;     // 1-based entry of the first block in the file
    Le<GUID> clsid;
    LeU32 compObjLength;
    LeU16 compObjName;
    LeU16 none;
};
static_assert(sizeof(Header) == 0x24);

// One block of the stream directory; the entries follow the header.
struct BlockEntry {
    LeU32 length;
    LeU16 nameOffset;  // in the name area
    LeU16 next;        // 1-based entry of the next block; 0 ends the chain
};
static_assert(sizeof(BlockEntry) == 8);

// The library block ("dir") starts with this; the doc string and the help
// file follow as counted strings.
struct LibraryHead {
    LeU16 magic;  // kLibraryMagic
    LeU16 three;
    LeU16 nameOffset;
    LeU16 skip;  // bytes to skip, unless kNone16
};
static_assert(sizeof(LibraryHead) == 8);
constexpr std::uint16_t kLibraryMagic = 0x51CC;

// After the two strings of the library block; the type entries follow.
struct LibraryMiddle {
    LeU32 helpContext;
    LeU16 syskind;
    LeU16 lcid;
    LeU32 reserved;
    LeU16 libFlags;
    LeU16 major;
    LeU16 minor;
    Le<GUID> guid;
    LeU16 hashHeads[32];
    LeU16 typeCount;
};
static_assert(sizeof(LibraryMiddle) == 100);

// A type entry of the library block: two counted strings (the block's name
// and another), this head, a compressed help string, and the tail.
struct TypeEntryHead {
    LeU16 none;
    LeU16 nameOffset;
    LeU16 helpLength;
};
static_assert(sizeof(TypeEntryHead) == 6);

struct TypeEntryTail {
    LeU16 none;
    LeU32 helpContext;
    LeU16 nextInBucket;
    Le<GUID> guid;
    LeU16 kind;
};
static_assert(sizeof(TypeEntryTail) == 26);

// The head of a typeinfo block.
struct TypeHeader {
    LeU16 magic;   // kTypeMagic
    LeU32 refsAt;  // the reference table, or 0xFFFFFFFF
    LeU32 reserved6;
    LeU32 memberHeaderAt;
    LeU32 reserved0E;
    LeU16 major;
    LeU16 minor;
    LeU32 reserved16;
    LeU16 flags;  // TYPEFLAGS << 3
    std::uint8_t two;
    std::uint8_t kind;
    LeU32 reserved1E;
};
static_assert(sizeof(TypeHeader) == 0x22);
static_assert(offsetof(TypeHeader, flags) == 0x1A && offsetof(TypeHeader, kind) == 0x1D);
constexpr std::uint16_t kTypeMagic = 0x0501;
constexpr std::uint32_t kNoReferences = 0xFFFFFFFF;

// Precedes a type's member data.
struct MemberHeader {
    LeU16 kindHint;
    LeU16 none;
    std::uint8_t one;
    LeU32 length;  // bytes of member data
};
static_assert(sizeof(MemberHeader) == 9);

// Follows the member data and ends the block. Member offsets count from
// the start of the member data.
struct TypeTail {
    LeU16 cFuncs;
    LeU16 cVars;
    LeU16 cImplTypes;
    LeU16 reserved06;
    LeU16 firstFunc;
    LeU16 firstVar;
    LeU16 firstImpl;
    LeU16 lastFunc;
    LeU16 lastVar;
    LeU16 lastImpl;
    LeU16 aliasType;  // a VARTYPE if aliasIsSimple, else the member offset of a type
    LeU16 reserved16[3];
    LeU16 aliasIsSimple;
    LeU16 reserved1E;
    LeU16 cbSizeInstance;
    LeU16 cbAlignment;
    LeU16 reserved24[2];
    LeU16 cbSizeVft;
    LeU16 reserved2A[4];
    LeU16 hashSlots;
    LeU16 hashAt;
};
static_assert(sizeof(TypeTail) == 0x36);
static_assert(offsetof(TypeTail, aliasIsSimple) == 0x1C && offsetof(TypeTail, cbSizeVft) == 0x28);

// The head of a type's reference table: per-reference data of
// `dataLength` bytes follows, then 7 bytes, the reference strings and a
// closing kReferencesMark.
struct ReferencesHead {
    std::uint8_t magic;  // kReferencesMark
    std::uint8_t zero;
    std::uint8_t reserved[0x42];
    LeU32 dataLength;  // 8 per reference
};
static_assert(sizeof(ReferencesHead) == 0x48);
constexpr std::uint8_t kReferencesMark = 0xDF;
constexpr std::int64_t kReferencesGap = 7;

// A function; FUNCFLAGS follow when the kind has kHasFlags.
struct FuncRecord {
    std::uint8_t kind;
    std::uint8_t invkind;  // bits 4-7
    LeU16 next;
    LeU16 nameOffset;
    LeU32 memid;
    LeU16 helpContext;
    LeU16 helpString;
    LeU16 params;  // member offset of the parameter list
    std::uint8_t callAndCount;
    std::uint8_t returnByte;
    LeU16 returnWord;  // an inline type, or the member offset of one
    LeU16 vtableOffset;

    int CParams() const { return callAndCount >> 3; }
    int CParamsOpt() const { return (returnByte >> 1) & 0x3F; }
    bool ReturnInline() const { return (returnByte & 0x80) != 0; }
};
static_assert(sizeof(FuncRecord) == 0x16);
static_assert(offsetof(FuncRecord, params) == 0x0E && offsetof(FuncRecord, returnWord) == 0x12);
constexpr std::uint8_t kHasFlags = 0x20;
constexpr std::uint8_t kVirtualFunc = 0x4C;
constexpr std::uint8_t kDispatchFunc = 0xCB;
constexpr std::uint8_t kStaticFunc = 0x8B;

// A variable; VARFLAGS follow when the magic has kHasFlags.
struct VarRecord {
    std::uint8_t magic;  // kVarMagic
    std::uint8_t flags;
    LeU16 next;
    LeU16 nameOffset;
    LeU16 value;  // by kind: field offset, member offset of the value, or the value
    LeU16 type;   // an inline type, or the member offset of one
    LeU32 memid;
    LeU16 helpContext;
    LeU16 helpString;
};
static_assert(sizeof(VarRecord) == 0x12);
static_assert(offsetof(VarRecord, type) == 0x08 && offsetof(VarRecord, memid) == 0x0A);
constexpr std::uint8_t kVarMagic = 0x0A;
constexpr std::uint8_t kVarTypeInline = 0x02;
constexpr std::uint8_t kVarValueInline = 0x08;
constexpr std::uint8_t kVarConst = 0x10;
constexpr std::uint8_t kVarDispatch = 0x40;
constexpr std::uint8_t kVarReadOnly = 0x80;

// An implemented type.
struct ImplRecord {
    LeU16 magic;
    LeU16 next;
    LeU16 none;
    std::uint8_t flags;  // IMPLTYPEFLAGS
    std::uint8_t x80;
    LeU16 typeAt;  // member offset of the type description below
    LeU16 refOrCount;
    LeU16 kindTag;
    LeU16 fffe;
    LeU16 ffff;
    LeU16 userDefined;
    LeU16 reference;
};
static_assert(sizeof(ImplRecord) == 0x16);
static_assert(offsetof(ImplRecord, flags) == 0x06 && offsetof(ImplRecord, typeAt) == 0x08);

// C-array bounds: this head, then per dimension an ArrayBound.
struct ArrayHead {
    LeU16 dims;
    LeU16 features;
    LeU32 elementSize;
    LeU32 locks;
    LeU32 data;
};
static_assert(sizeof(ArrayHead) == 16);

struct ArrayBound {
    LeU32 cElements;
    LeI32 lLbound;
};
static_assert(sizeof(ArrayBound) == 8);

}  // namespace qorvix::sltg
