// The conversion of a counter's memory dump on any bytes, and the import of the text it makes.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "counter/countertextreader.h"
#include "counter/dumpconversion.h"
#include "model/testdata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    QString text;
    if (DumpBytesText({reinterpret_cast<const char*>(bytes), size}, QStringLiteral("dump"), text)) return 0;
    TestData data;
    ReadCounterRecords(text, QStringLiteral("text"), {}, data);
    return 0;
}
