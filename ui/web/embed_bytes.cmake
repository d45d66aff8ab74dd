# cmake -DINPUT=<file> -DOUTPUT=<cpp> -DFUNCTION=<qualified name> -DHEADER=<include> -P embed_bytes.cmake
# Writes a C++ source whose FUNCTION returns the bytes of INPUT.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
       bytes "${bytes}")
string(REGEX REPLACE "::[^:]*$" "" namespace "${FUNCTION}")
string(REGEX REPLACE "^.*::" "" name "${FUNCTION}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.
#include \"${HEADER}\"

namespace {
constexpr std::uint8_t kBytes[] = {
    ${bytes}
};
} // namespace

namespace ${namespace} {
std::span<const std::uint8_t> ${name}() {
    return kBytes;
}
} // namespace ${namespace}
")
