// Enumerations, records, unions and aliases as COBOL typedefs.
#include <algorithm>
#include <cstdint>

#include "cobolgen/cbl_file.h"
#include "cobolgen/literals.h"
#include "naming/cobol_name.h"
#include "naming/type_text.h"

namespace qorvix {
namespace {

// How far alias chains and nested types are followed; a library's are
// finite, a damaged one's need not be.
constexpr int kMaxTypeDepth = 64;

// What a user-defined type finally is: follows `type` through aliases (and
// aliases of aliases) and leaves there, with `owner` the type information
// through which that description's references resolve. False when a
// reference cannot be followed.
bool ResolveAliases(ComPtr<ITypeInfo>& owner, TYPEDESC& type) {
    for (int depth = 0; type.vt == VT_USERDEFINED; ++depth) {
        ComPtr<ITypeInfo> referenced;
        TypeAttrPtr attr;
        if (depth > kMaxTypeDepth || FAILED(owner->GetRefTypeInfo(type.hreftype, referenced)) ||
            FAILED(referenced->GetTypeAttr(attr))) {
            return false;
        }
        if (attr->typekind != TKIND_ALIAS) return true;
        type = attr->tdescAlias;
        owner = std::move(referenced);
    }
    return true;
}

// A pointer in a record takes a pointer's room, whatever it points to; so
// does an alias that is, in the end, a pointer.
bool IsPointer(ITypeInfo& info, const TYPEDESC& type) {
    if (type.vt == VT_PTR) return true;
    if (type.vt != VT_USERDEFINED) return false;
    ComPtr<ITypeInfo> owner(&info);
    TYPEDESC resolved = type;
    return ResolveAliases(owner, resolved) && resolved.vt == VT_PTR;
}

// The largest size of a field or record taken as real; beyond it the
// library is damaged.
constexpr std::uint64_t kMaxFieldSize = 0x7FFFFFFF;

// The bytes a field of `type` takes in the library's layout, as the copy
// file declares it: automation types at their sizes, pointers at the
// library's, records and unions at the size the library gives them. 0 when
// the size is not known.
std::uint64_t FieldSize(ITypeInfo& info, const TYPEDESC& type, std::uint64_t pointer, int depth) {
    if (depth > kMaxTypeDepth) return 0;
    if ((type.vt & 0xFFF) == VT_CARRAY) {
        if (!type.lpadesc || type.lpadesc->rgbounds.empty()) return 0;
        std::uint64_t size = FieldSize(info, type.lpadesc->tdescElem, pointer, depth + 1);
        for (const SAFEARRAYBOUND& bound : type.lpadesc->rgbounds) {
            size *= bound.cElements;
            if (size == 0 || size > kMaxFieldSize) return 0;
        }
        return size;
    }
    switch (type.vt) {
        case VT_I1:
        case VT_UI1:
            return 1;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL:
            return 2;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_R4:
        case VT_ERROR:
        case VT_HRESULT:
            return 4;
        case VT_I8:
        case VT_UI8:
        case VT_R8:
        case VT_CY:
        case VT_DATE:
        case VT_FILETIME:
            return 8;
        case VT_DECIMAL:
        case VT_CLSID:
            return 16;
        case VT_VARIANT:
            return pointer == 8 ? 24 : 16;
        case VT_BLOB:  // a count and a pointer
            return 2 * pointer;
        case VT_PTR:
        case VT_SAFEARRAY:
        case VT_BSTR:
        case VT_LPSTR:
        case VT_LPWSTR:
        case VT_DISPATCH:
        case VT_UNKNOWN:
        case VT_STREAM:
        case VT_STORAGE:
        case VT_STREAMED_OBJECT:
        case VT_STORED_OBJECT:
            return pointer;
        case VT_USERDEFINED: {
            ComPtr<ITypeInfo> referenced;
            TypeAttrPtr attr;
            if (FAILED(info.GetRefTypeInfo(type.hreftype, referenced)) ||
                FAILED(referenced->GetTypeAttr(attr))) {
                return 0;
            }
            switch (attr->typekind) {
                case TKIND_ALIAS:
                    return FieldSize(*referenced, attr->tdescAlias, pointer, depth + 1);
                case TKIND_RECORD:
                case TKIND_UNION:
                    return attr->cbSizeInstance <= kMaxFieldSize ? attr->cbSizeInstance : 0;
                case TKIND_ENUM:
                    return 4;  // pic s9(9) comp-5
                case TKIND_INTERFACE:
                case TKIND_DISPATCH:
                    return pointer;  // their typedefs are pointers
                default:
                    return 0;
            }
        }
        default:
            return 0;
    }
}

// Levels 03 to 49 hold 24 dimensions of an array; from the 10th on, a
// nested line would leave no room for its level and a 31-character name.
constexpr std::size_t kMaxNestedDimensions = 24;
constexpr std::size_t kMaxIndentedDimensions = 9;

// One field of a record or union: its lines, and where and how large the
// library lays it out.
struct LaidField {
    std::string lines;
    ULONG offset = 0;
    std::uint64_t size = 0;
};

// The fillers that give each field its offset and the record the library's
// size: the gap before each field, and after the last. False when the
// fields cannot be laid out so (they overlap, or pass the record's end).
bool RecordGaps(const std::vector<LaidField>& fields, std::uint64_t recordSize,
                std::vector<std::uint64_t>& gaps) {
    std::uint64_t end = 0;
    gaps.clear();
    for (const LaidField& field : fields) {
        if (field.offset < end) return false;
        gaps.push_back(field.offset - end);
        end = field.offset + field.size;
    }
    if (end > recordSize) return false;
    gaps.push_back(recordSize - end);
    return true;
}

std::string Filler(std::uint64_t bytes, const std::string& redefines = {}) {
    return "          03 FILLER    pic x(" + std::to_string(bytes) + ")" + redefines + ".\n";
}

}  // namespace

void CCblFile::WriteDeclaration(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                                const std::string& doc) {
    auto docLine = [&] {
        if (!doc.empty()) WriteCopy("      *> " + doc + "\n");
    };
    switch (attr.typekind) {
        case TKIND_ENUM:
            docLine();
            WriteCopy("       01 " + name + "    pic s9(9) comp-5 typedef.\n");
            WriteEnumeration(info, attr);
            WriteCopy("       01 " + m_context.names.PointerName(info, name) +
                      "   pointer typedef.\n\n");
            break;
        case TKIND_RECORD:
            docLine();
            WriteCopy("       01 " + name + "    typedef.\n");
            WriteRecord(info, attr);
            WriteCopy("       01 " + m_context.names.PointerName(info, name) +
                      "   pointer typedef.\n\n");
            break;
        case TKIND_UNION:
            docLine();
            WriteCopy("       01 " + name + "    typedef.\n");
            WriteRecord(info, attr);
            WriteCopy("\n");
            break;
        case TKIND_ALIAS: {
            std::string typeText;
            if (attr.tdescAlias.vt == VT_USERDEFINED) {
                ComPtr<ITypeInfo> referenced;
                if (FAILED(info.GetRefTypeInfo(attr.tdescAlias.hreftype, referenced))) return;
                // The handle belongs to the alias's library: through a type
                // of another library it means nothing, so ask the alias.
                if (FAILED(TypeDescText(*referenced, attr.tdescAlias, m_context.names, typeText))) {
                    typeText = TypeText(info, attr.tdescAlias);
                }
            } else {
                typeText = TypeText(info, attr.tdescAlias);
            }
            docLine();
            WriteCopy("       01 " + name + "    " + CutName(typeText, 31) + " typedef.\n\n");
            break;
        }
        default:
            break;
    }
}

void CCblFile::WriteEnumeration(ITypeInfo& info, const TYPEATTR& attr) {
    WordScope conditions;
    for (UINT i = 0; i < attr.cVars; ++i) {
        VarDescPtr var;
        if (FAILED(info.GetVarDesc(i, var))) continue;
        std::string name;
        if (!MemberName(info, var->memid, m_context.naming, conditions, name)) continue;
        std::string line = "          88 " + name;
        std::string value;
        const VARIANT empty;
        const VARIANT& constant = var->lpvarValue ? *var->lpvarValue : empty;
        if (!ValueText(constant, value)) {
            // A level-88 item needs a value; one that cannot be spelled is
            // shown, not invented.
            WriteCopy("      *> 88 " + name + ": the value (type " + std::to_string(constant.vt) +
                      ") cannot be written\n");
            continue;
        }
        PadToColumn(line, 40, 4);
        line += "VALUE " + ConditionValue(constant.vt, value) + ".\n";
        WriteCopy(line);
    }
}

void CCblFile::WriteRecord(ITypeInfo& info, const TYPEATTR& attr) {
    const bool isUnion = attr.typekind == TKIND_UNION;
    std::string redefines;
    WordScope fields;
    // The fields are held until their layout is known, since fillers may
    // go between them. A field that cannot be read, or whose place or size
    // is not known, leaves the record without fillers.
    std::vector<LaidField> laid;
    bool layout = m_pointerSize != 0 && attr.cVars != 0 && attr.cbSizeInstance <= kMaxFieldSize;
    for (UINT i = 0; i < attr.cVars; ++i) {
        VarDescPtr var;
        std::string name;
        if (FAILED(info.GetVarDesc(i, var)) ||
            !MemberName(info, var->memid, m_context.naming, fields, name)) {
            layout = false;
            continue;
        }
        const std::string prefix = "          03 ";
        const TYPEDESC& type = var->elemdescVar.tdesc;
        LaidField field;
        std::string& lines = field.lines;
        if ((type.vt & 0xFFF) == VT_CARRAY && type.lpadesc) {
            const ARRAYDESC& array = *type.lpadesc;
            std::string typeText =
                IsPointer(info, array.tdescElem) ? "pointer" : TypeText(info, array.tdescElem);
            std::size_t dims = array.rgbounds.size();
            // COBOL nests levels 03 to 49: dimensions past the 24th are
            // folded into the 24th, their counts multiplied.
            std::size_t nested = std::min(dims, kMaxNestedDimensions);
            auto count = [&](std::size_t d) {
                if (d >= dims) return std::string("0");
                std::uint64_t elements = array.rgbounds[d].cElements;
                for (std::size_t k = d + 1; d + 1 == nested && k < dims; ++k)
                    elements *= array.rgbounds[k].cElements;
                return std::to_string(elements);
            };
            if (dims <= 1) {
                lines =
                    prefix + name + "    " + typeText + " occurs " + count(0) + redefines + ".\n";
            } else {
                // A union member redefines the first at its own level; the
                // dimensions inside it are laid in that storage.
                lines = prefix + name + " occurs " + count(0) + redefines + ".\n";
                for (std::size_t d = 1; d < nested; ++d) {
                    // Nested dimensions are groups inside the one above, so
                    // they carry the next level numbers (05, 07, ...); deep
                    // ones stop moving right while a name still fits.
                    std::string indent(10 + 3 * std::min(d, kMaxIndentedDimensions), ' ');
                    char level[8];
                    std::snprintf(level, sizeof level, "%02zu ", 3 + 2 * d);
                    // The dimension's number after the name, within 31
                    // characters.
                    std::string number = "-" + std::to_string(d);
                    std::string subName = CutName(name, 31 - number.size());
                    while (!subName.empty() && subName.back() == '-')
                        subName.pop_back();
                    subName += number;
                    if (d < nested - 1) {
                        lines += indent + level + subName + " occurs " + count(d) + ".\n";
                    } else {
                        lines += indent + level + subName + "    " + typeText + " occurs " +
                                 count(d) + ".\n";
                    }
                }
            }
        } else {
            std::string typeText = IsPointer(info, type) ? "pointer" : TypeText(info, type);
            lines = prefix + name + "    " + typeText + redefines + ".\n";
        }
        if (layout) {
            field.offset = var->oInst;
            field.size =
                var->varkind == VAR_PERINSTANCE ? FieldSize(info, type, m_pointerSize, 0) : 0;
            layout = field.size != 0;
        }
        laid.push_back(std::move(field));
        if (isUnion && i == 0) redefines = " redefines " + name;
    }
    // A union's members all start at its start; one member of the union's
    // full size makes it as large as the library's.
    if (layout && isUnion) {
        std::uint64_t largest = 0;
        for (const LaidField& field : laid) {
            layout = layout && field.offset == 0;
            largest = std::max(largest, field.size);
        }
        for (const LaidField& field : laid)
            WriteCopy(field.lines);
        if (layout && !redefines.empty() && attr.cbSizeInstance > largest)
            WriteCopy(Filler(attr.cbSizeInstance, redefines));
        return;
    }
    std::vector<std::uint64_t> gaps;
    if (!layout || !RecordGaps(laid, attr.cbSizeInstance, gaps)) gaps.assign(laid.size() + 1, 0);
    for (std::size_t i = 0; i < laid.size(); ++i) {
        if (gaps[i] != 0) WriteCopy(Filler(gaps[i]));
        WriteCopy(laid[i].lines);
    }
    if (gaps.back() != 0) WriteCopy(Filler(gaps.back()));
}

}  // namespace qorvix
