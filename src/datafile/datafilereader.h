#pragma once

#include <QString>

struct TestData;

// What became of reading a data file.
struct ReadResult {
    enum class Status {
        Loaded,      // the data set now holds the file
        Refused,     // not a data file (wrong signature): the data set is unchanged
        Unreadable,  // the file could not be read at all: the data set is unchanged
    };
    Status status = Status::Loaded;
    bool damaged = false;   // some fields were missing or unreadable; the rest was loaded
    bool tooLarge = false;  // the file held more blocks or drops than the data set can; the first were loaded
    QString reason;         // why an unreadable file could not be read
};

// Reads a data file of either layout into the data set, replacing all blocks: the extended layout
// (marked "EXT", with drop counts, up to 500 drops) or the older one (240 values per block, the drop
// count taken from the leading non-zero readings). Sets `MaxDrops` and `ExtFormat` to the layout found
// and `CurBlock` to 1; leaves `DataFileName` to the caller.
ReadResult ReadDataFile(const QString& path, TestData& data);
