// MSFT type codes (inline simple types or entries of the typedesc segment)
// and value codes (inline values or entries of the custom-data segment).
#include <cstddef>
#include <cstring>

#include "typelib/msft_decoder.h"

namespace qorvix::msft {
namespace {

// A value stored in four bytes, the value in the low ones.
void SmallValue(std::uint32_t raw, VARIANT& out) {
    switch (out.vt) {
        case VT_I1:
            out.llVal = static_cast<std::int8_t>(raw & 0xFF);
            break;
        case VT_UI1:
            out.llVal = raw & 0xFF;
            break;
        case VT_I2:
        case VT_BOOL:
            out.llVal = static_cast<std::int16_t>(raw & 0xFFFF);
            break;
        case VT_UI2:
            out.llVal = raw & 0xFFFF;
            break;
        case VT_I4:
        case VT_INT:
        case VT_ERROR:
        case VT_HRESULT:
            out.llVal = static_cast<std::int32_t>(raw);
            break;
        case VT_R4: {
            float f;
            std::memcpy(&f, &raw, sizeof f);
            out.fltVal = f;
            break;
        }
        default:
            out.llVal = raw;
            break;
    }
}

// An inline value: the VARTYPE in bits 26-30, the value in bits 0-25.
VARIANT InlineValue(std::uint32_t bits) {
    VARIANT out;
    out.vt = static_cast<VARTYPE>((bits >> 26) & 0x1F);
    std::uint32_t v = bits & 0x3FFFFFF;
    // The platform reads the type's own width from the low bits and keeps
    // what it finds there: a Boolean true that widl stores as 1 stays 1.
    if (out.vt == VT_R4) {
        // Never written inline; the platform keeps the bits as they are, as
        // it does for unsigned types, null pointers and anything else.
        out.llVal = v;
    } else {
        SmallValue(v, out);
    }
    return out;
}

}  // namespace

ReadStatus MsftLibrary::TypeCode(std::int32_t code, std::int64_t from, TYPEDESC& out,
                                 int depth) const {
    const Region& table = m_segments[kTypeDescSeg];
    if (depth > kMaxTypeDepth) {
        return Damage(TYPE_E_INVDATAREAD, "the type description nests too deep or loops", from);
    }
    if (code < 0) {
        // Inline: a simple type. A composite type here would have nothing to
        // point at.
        out = TYPEDESC{static_cast<VARTYPE>(code & 0xFFF)};
        if (out.vt < VT_PTR || out.vt > VT_USERDEFINED) return S_OK;
        return Damage(TYPE_E_INVDATAREAD, "an inline type code names a composite type", from);
    }
    auto cached = m_typeDescs.find(code);
    if (cached != m_typeDescs.end()) {
        out = *cached->second;
        return S_OK;
    }
    TypeDescEntry entry;
    if (code % sizeof entry != 0 || !table.Read(code, entry)) {
        return Damage(TYPE_E_INVDATAREAD, "the type code lies outside the typedesc segment", from);
    }
    TYPEDESC desc{static_cast<VARTYPE>(entry.vt & 0xFFF)};
    switch (desc.vt) {
        case VT_PTR:
        case VT_SAFEARRAY: {
            TYPEDESC target;
            ReadStatus status = TypeCode(static_cast<std::int32_t>(entry.target),
                                         table.FileOffset(code) + offsetof(TypeDescEntry, target),
                                         target, depth + 1);
            if (!status.Ok()) return status;
            desc.lptdesc = std::make_shared<TYPEDESC>(std::move(target));
            break;
        }
        case VT_CARRAY: {
            const Region& arrays = m_segments[kArrayDescSeg];
            std::int64_t at = entry.target;
            ArrayDescHead head;
            if (!arrays.Read(at, head)) {
                return Damage(
                    TYPE_E_INVDATAREAD, "the array description lies outside its segment",
                    table.FileOffset(code) + std::int64_t{offsetof(TypeDescEntry, target)});
            }
            std::vector<ArrayBound> bounds;
            if (head.dims < 1 || head.dims > kMaxArrayDims ||
                !arrays.ReadArray(at + sizeof head, head.dims, bounds)) {
                return Damage(TYPE_E_INVDATAREAD, "the array description is damaged",
                              arrays.FileOffset(at));
            }
            auto array = std::make_shared<ARRAYDESC>();
            ReadStatus status =
                TypeCode(head.element, arrays.FileOffset(at), array->tdescElem, depth + 1);
            if (!status.Ok()) return status;
            array->rgbounds.resize(head.dims);
            for (std::uint16_t d = 0; d < head.dims; ++d) {
                array->rgbounds[d].cElements = bounds[d].cElements;
                array->rgbounds[d].lLbound = bounds[d].lLbound;
            }
            desc.lpadesc = std::move(array);
            break;
        }
        case VT_USERDEFINED:
            desc.hreftype = entry.target;
            break;
        default:
            break;
    }
    m_typeDescs.emplace(code, std::make_shared<TYPEDESC>(desc));
    out = std::move(desc);
    return S_OK;
}

bool MsftLibrary::Value(std::int32_t code, VARIANT& out) const {
    if (code < 0) {
        out = InlineValue(static_cast<std::uint32_t>(code));
        return true;
    }
    out = VARIANT{};
    return StoredValue(code, out);
}

// A value in the custom-data segment: its VARTYPE, then the data.
bool MsftLibrary::StoredValue(std::int32_t code, VARIANT& out) const {
    const Region& data = m_segments[kCustDataSeg];
    ValueHead head;
    if (!data.Read(code, head)) return false;
    out.vt = head.vt;
    std::int64_t at = std::int64_t{code} + sizeof head;
    switch (out.vt) {
        case VT_I1:
        case VT_UI1:
        case VT_I2:
        case VT_UI2:
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_ERROR:
        case VT_HRESULT:
        case VT_BOOL:
        case VT_R4:
        case VT_EMPTY:
        case VT_NULL: {
            LeU32 raw;
            if (!data.Read(at, raw)) return false;
            SmallValue(raw, out);
            return true;
        }
        case VT_R8:
        case VT_DATE:
        case VT_CY:
        case VT_I8:
        case VT_UI8: {
            LeU64 raw;
            if (!data.Read(at, raw)) return false;
            out.ullVal = raw;
            return true;
        }
        case VT_DECIMAL: {
            DecimalData decimal;
            if (!data.Read(at, decimal)) return false;
            out.decVal.wReserved = VT_DECIMAL;
            out.decVal.scale = decimal.scale;
            out.decVal.sign = decimal.sign;
            out.decVal.Hi32 = decimal.hi32;
            out.decVal.Lo64 = decimal.lo64;
            return true;
        }
        case VT_BSTR: {
            LeI32 length;
            std::string_view bytes;
            if (!data.Read(at, length)) return false;
            if (length == -1) return true;  // a null string
            if (length < 0 || !data.Bytes(at + sizeof length, length, bytes)) return false;
            out.bstrVal = Decode(bytes);
            return true;
        }
        default:
            // The platform keeps a type it cannot read with an empty value;
            // converting it to text then fails, as it does there.
            return true;
    }
}

}  // namespace qorvix::msft
