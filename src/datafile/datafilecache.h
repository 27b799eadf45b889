#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

#include "datafile/cp932.h"

struct TestData;

// The bytes DataFileBytes makes of a data set that changes a little at a time: only the blocks that
// changed since the last update are encoded again, so that the whole file can be written after every
// change of a large data set.
class DataFileCache {
public:
    // Brings the bytes up to the data set; true when they changed.
    bool update(const TestData& data);
    const QByteArray& bytes() const { return bytes_; }

private:
    // What the lines of a block were made from, and the lines.
    struct Block {
        bool made = false;
        std::array<QString, 8> texts;
        std::vector<float> measure;
        QByteArray lines;
    };
    bool updateBlock(const TestData& data, int block);

    Cp932 codec_;
    std::vector<Block> blocks_;
    int blockCount_ = -1;
    QByteArray bytes_;
};
