# Turns one file into a C++ source that registers it as a program resource.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hex_len)
math(EXPR size "${hex_len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUT}" "// Generated from ${IN}; do not edit.\n#include \"platform/resources.h\"\n\nnamespace {\nconst unsigned char kData[] = {\n${bytes}\n};\nconst platform::ResourceRegistration kRegistration(\"${TYPE}\", \"${NAME}\", kData, ${size});\n}  // namespace\n")
