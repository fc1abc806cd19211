# Writes OUTPUT, a C++ source holding the bytes of INPUT as the array
# candy_embedded_<SYMBOL> (followed by one 0 byte, not counted, so text
# files are also NUL-terminated) and its size candy_embedded_<SYMBOL>_size.
# With SECTION set the array goes into that ELF section.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
set(attributes "")
if(SECTION)
  set(attributes "[[gnu::used, gnu::section(\"${SECTION}\")]] ")
endif()
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; do not edit.
#include <cstddef>

extern \"C\" {
extern const unsigned char candy_embedded_${SYMBOL}[];
extern const std::size_t candy_embedded_${SYMBOL}_size;
}

${attributes}alignas(16) const unsigned char candy_embedded_${SYMBOL}[] = {
${bytes}0x00};
const std::size_t candy_embedded_${SYMBOL}_size = ${size};
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
