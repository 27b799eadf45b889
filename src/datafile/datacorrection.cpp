#include "datafile/datacorrection.h"

#include <algorithm>
#include <array>

#include "model/testdata.h"

namespace {

using Readings = std::array<float, TestData::DropSlots>;

// One pass over drops 1..count: returns the number kept, or 0 when no reading is above 0.
int keepRising(const Readings& readings, int count, Readings& kept) {
    int first = 1;
    while (first <= count && !(readings[first] > 0.0f)) ++first;
    if (first > count) return 0;
    int keptCount = 1;
    kept[1] = readings[first];
    for (int drop = first + 1; drop <= count; ++drop)
        if (!(readings[drop - 1] > readings[drop])) kept[++keptCount] = readings[drop];
    return keptCount;
}

// Returns whether a reading was removed.
bool correctBlock(TestData& data, int block) {
    Readings& readings = data.Measure[block];
    Readings kept{};
    bool falling = true;
    bool removed = false;
    while (falling) {
        const int count = std::clamp<int>(data.DropCount[block], 0, TestData::GridRows);
        const int keptCount = keepRising(readings, count, kept);
        if (keptCount == 0) return removed;
        removed = removed || keptCount != data.DropCount[block];
        std::fill(readings.begin() + 1, readings.begin() + 1 + count, 0.0f);
        std::copy(kept.begin() + 1, kept.begin() + 1 + keptCount, readings.begin() + 1);
        data.DropCount[block] = static_cast<qint16>(keptCount);
        falling = !std::is_sorted(kept.begin() + 1, kept.begin() + 1 + keptCount);
    }
    return removed;
}

}  // namespace

bool CorrectReadings(TestData& data) {
    bool removed = false;
    for (int block = 1; block <= data.BlockCount; ++block) removed = correctBlock(data, block) || removed;
    return removed;
}
