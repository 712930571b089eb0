// Fuzzes the reader with whole files (the zip package and everything in it).
#include "engine/docx/fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    docx_fuzz::check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
