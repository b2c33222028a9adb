# Writes a C++ source with the words of INPUT (one per line) as
# quelbrin::kReservedWords.
file(STRINGS "${INPUT}" words)
set(body "")
list(LENGTH words count)
foreach(word IN LISTS words)
  string(APPEND body "    \"${word}\",\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; do not edit.\nnamespace quelbrin {\nextern const char* const kReservedWords[] = {\n${body}};\nextern const unsigned kReservedWordCount = ${count};\n}  // namespace quelbrin\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
