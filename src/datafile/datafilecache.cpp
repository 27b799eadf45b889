#include "datafile/datafilecache.h"

#include <algorithm>
#include <cstring>

#include "datafile/datafilewriter.h"
#include "model/testdata.h"

namespace {

std::array<QString, 8> textsOf(const TestData& data, int block) {
    std::array<QString, 8> texts;
    std::transform(SurveyTexts.begin(), SurveyTexts.end(), texts.begin(),
                   [&](auto text) { return (data.*text)[block]; });
    return texts;
}

}  // namespace

bool DataFileCache::update(const TestData& data) {
    const int count = std::clamp<int>(data.BlockCount, 0, TestData::MaxBlocks);
    if (blocks_.size() < static_cast<size_t>(count) + 1) blocks_.resize(count + 1);
    bool changed = count != blockCount_;
    for (int block = 1; block <= count; ++block) changed = updateBlock(data, block) || changed;
    if (!changed) return false;
    blockCount_ = count;
    qsizetype size = 32;
    for (int block = 1; block <= count; ++block) size += blocks_[block].lines.size();
    // The memory of the last bytes is used again: fresh memory of this size costs more than the copy.
    bytes_.resize(0);
    bytes_.reserve(size);
    DataFileLines::appendFirstLine(bytes_, count);
    for (int block = 1; block <= count; ++block) bytes_ += blocks_[block].lines;
    return true;
}

// Readings are compared by their bits: whatever would print differently counts as changed.
bool DataFileCache::updateBlock(const TestData& data, int block) {
    Block& cached = blocks_[block];
    const int drops = std::clamp<int>(data.DropCount[block], 0, TestData::GridRows);
    const float* readings = data.Measure[block].data() + 1;
    const bool same =
        cached.made && cached.measure.size() == static_cast<size_t>(drops) &&
        (drops == 0 || std::memcmp(cached.measure.data(), readings, drops * sizeof(float)) == 0) &&
        cached.texts == textsOf(data, block);
    if (same) return false;
    cached.made = true;
    cached.texts = textsOf(data, block);
    cached.measure.assign(readings, readings + drops);
    cached.lines.clear();
    DataFileLines::appendBlock(codec_, cached.lines, data, block);
    return true;
}
