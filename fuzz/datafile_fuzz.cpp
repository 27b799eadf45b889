// The data-file reader on any bytes: no crash, no sanitizer report, and what it loads writes out as a
// file that reads back and writes out again to the same bytes.
#include <cstddef>
#include <cstdint>

#include "datafile/datafilereader.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    TestData loaded;
    if (ReadDataBytes({reinterpret_cast<const char*>(bytes), size}, loaded).failure) return 0;
    loaded.ExtFormat = 1;
    const QByteArray written = DataFileBytes(loaded);
    TestData again;
    if (ReadDataBytes({written.constData(), static_cast<size_t>(written.size())}, again).failure)
        __builtin_trap();
    again.ExtFormat = 1;
    if (DataFileBytes(again) != written) __builtin_trap();
    return 0;
}
