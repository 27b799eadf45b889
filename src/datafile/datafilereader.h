#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "platform/failure.h"

struct TestData;

// What became of reading a data file.
struct ReadResult {
    // Why nothing was loaded: RefusedInput for a file without the data-file signature, Unreadable for
    // one that could not be read at all. The data set is unchanged then.
    std::optional<Failure> failure;
    bool damaged = false;   // some fields were missing or unreadable; the rest was loaded
    bool tooLarge = false;  // the file held more blocks or drops than the data set can; the first were loaded
    bool leftOut = false;   // an older file held readings after a zero, beyond the drops counted
};

// Reads a data file of either layout into the data set, replacing all blocks: the extended layout
// (marked "EXT", with drop counts, up to 500 drops) or the older one (240 values per block, the drop
// count taken from the leading non-zero readings, which leaves any reading after a zero out of the
// block). Sets `MaxDrops` and `ExtFormat` to the layout found
// and `CurBlock` to 1; leaves `DataFileName` to the caller.
ReadResult ReadDataFile(const QString& path, TestData& data);
// The same of a data file's bytes.
ReadResult ReadDataBytes(std::string_view bytes, TestData& data);
