// One interface class file per interface.
#include <algorithm>

#include "cobolgen/cbl_file.h"
#include "platform/locale_text.h"

namespace qorvix {

namespace {

// The first part of a literal's body (its quotes doubled) for a line with
// `room` bytes: whole characters, no doubled quote split, and, where it can
// be, not ending on a quote, which a reader could take for the literal's
// end, or on a blank, which an editor could drop.
std::string_view LiteralPart(std::string_view body, std::size_t room) {
    std::size_t size = CutToBytes(body, room).size();
    std::size_t end = size;
    while (end > 0 && (body[end - 1] == '"' || body[end - 1] == ' '))
        --end;
    if (end > 0) return body.substr(0, end);
    std::size_t quotes = 0;
    while (quotes < size && body[size - 1 - quotes] == '"')
        ++quotes;
    return body.substr(0, size - quotes % 2);
}

}  // namespace

std::string CopyStatement(std::string_view copyFileName) {
    const std::string literal = Quoted(copyFileName);
    std::string line = "         copy ";
    if (line.size() + literal.size() + 1 <= kLastCodeColumn) return line + literal + ".\n";
    // Too long for its line: the literal runs to column 72 and goes on in
    // continuation lines, each with a hyphen in column 7 and the rest after
    // a quote. Blanks before a part's opening quote fill what the part
    // leaves free, so that every part ends in column 72.
    std::string_view rest(literal);
    rest = rest.substr(1, rest.size() - 2);
    std::string lines;
    while (line.size() + 1 + rest.size() + 2 > kLastCodeColumn) {
        std::size_t room = kLastCodeColumn - line.size() - 1;
        // The last line keeps at least one character.
        std::string_view part = LiteralPart(rest, std::min(room, rest.size() - 1));
        if (part.empty()) break;
        lines += line + std::string(room - part.size(), ' ') + "\"" + std::string(part) + "\n";
        rest.remove_prefix(part.size());
        line = "      -    ";
    }
    return lines + line + "\"" + std::string(rest) + "\".\n";
}

bool CCblFile::WriteInterfaceClass(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                                   const std::string& doc) {
    bool written = true;
    if (m_bInterfaceClasses) {
        std::string baseName = GetBaseInterfaceName(info, attr);
        TextSink* sink = m_output.BeginClassFile(ClassFileStem(name) + ".cbl");
        m_classText.SetSink(sink);
        written = sink != nullptr;
        if (sink) WriteClassHead(name, baseName, doc);
    }
    // A dual type's constants belong in the copy file, whatever becomes of
    // its class file.
    if ((attr.wTypeFlags & TYPEFLAG_FDUAL) && attr.cVars != 0) WriteConstants(info, attr);
    if (m_classText.HasSink()) {
        if (attr.cFuncs != 0) WriteMethods(true, info, attr);
        WriteClass("       end object.\n       end class " + name + ".\n\n");
        m_classText.Finish();
        m_classText.SetSink(nullptr);
        m_output.EndClassFile();
    }
    return written;
}

void CCblFile::WriteClassHead(const std::string& name, const std::string& baseName,
                              const std::string& doc) {
    WriteClass("      *> QORVIX generated OLE interface class.\n");
    WriteClass("      *> " + OneLine(doc) + "\n\n");
    WriteClass("       class-id. " + name + " data is protected\n");
    if (!baseName.empty()) {
        WriteClass("                 inherits from " + baseName + " with data.\n\n");
    } else {
        WriteClass("                 .\n\n");
    }
    WriteClass("       special-names.\n");
    WriteClass("           call-convention 74 is WINAPI.\n\n");
    WriteClass("       object section.\n\n       class-control.\n");
    if (!baseName.empty()) {
        WriteClass("           " + baseName + " is class \"" + ClassFileStem(baseName) + "\"\n");
    }
    WriteClass("           " + name + " is class \"" + ClassFileStem(name) + "\"\n");
    WriteClass("           .\n\n");
    WriteClass("       working-storage section.\n         copy \"kzole.cpy\".\n");
    WriteClass(CopyStatement(m_strCopyFileName));
    WriteClass("\n");
    WriteClass("       class-object.\n       object-storage section.\n\n");
    WriteClass("       end class-object.\n\n");
    WriteClass("       object.\n       object-storage section.\n\n");
}

}  // namespace qorvix
