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
