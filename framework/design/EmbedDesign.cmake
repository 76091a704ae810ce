# Writes OUTPUT, a C++ source defining corvane::designs::SYMBOL as a
# std::string_view over the bytes of INPUT (run with cmake -P).
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "((',[^,]*){15}',)" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp
     "// Generated from ${INPUT}; edit the design file, not this one.\n"
     "#include <string_view>\n\n"
     "namespace corvane::designs {\n"
     "namespace {\n"
     "const char kText[] = {\n    ${bytes}'\\0'};\n"
     "}  // namespace\n"
     "extern const std::string_view ${SYMBOL};\n"
     "const std::string_view ${SYMBOL}(kText, ${size});\n"
     "}  // namespace corvane::designs\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
