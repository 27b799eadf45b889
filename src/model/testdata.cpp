#include "model/testdata.h"

void TestData::emptyBlocks() {
    for (int block = 1; block <= BlockCount; ++block) {
        BlockNo[block] = 0;
        for (auto* texts :
             {&SurveyName, &TesterName, &TestYear, &TestMonth, &TestDay, &TestPlace, &PointNo, &DropHeight})
            (*texts)[block].clear();
        for (int drop = 1; drop <= DropCount[block]; ++drop) Measure[block][drop] = 0.0f;
        DropCount[block] = 0;
    }
    CurBlock = 1;
}

bool TestData::anyDrops() const {
    for (int block = 1; block <= BlockCount; ++block)
        if (DropCount[block] > 0) return true;
    return false;
}

bool TestData::sameReadings(const TestData& other) const {
    if (BlockCount != other.BlockCount) return false;
    for (int block = 1; block <= BlockCount; ++block) {
        if (DropCount[block] != other.DropCount[block]) return false;
        for (int drop = 1; drop <= DropCount[block]; ++drop)
            if (Measure[block][drop] != other.Measure[block][drop]) return false;
    }
    return true;
}

void TestData::turnTo(const TestData& side, const TestData& other) {
    BlockCount = side.BlockCount;
    DropCount = side.DropCount;
    Measure = side.Measure;
    const auto take = [&](auto TestData::*field) {
        for (int block = 1; block < BlockSlots; ++block)
            if ((side.*field)[block] != (other.*field)[block]) (this->*field)[block] = (side.*field)[block];
    };
    take(&TestData::BlockNo);
    for (auto texts :
         {&TestData::SurveyName, &TestData::TesterName, &TestData::TestYear, &TestData::TestMonth,
          &TestData::TestDay, &TestData::TestPlace, &TestData::PointNo, &TestData::DropHeight})
        take(texts);
}
