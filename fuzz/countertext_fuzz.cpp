// The import of a counter's record text on any bytes.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "counter/countertextreader.h"
#include "model/testdata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    TestData data;
    ReadCounterTextBytes({reinterpret_cast<const char*>(bytes), size}, QStringLiteral("text"), {}, data);
    return 0;
}
