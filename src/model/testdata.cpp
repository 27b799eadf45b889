#include "model/testdata.h"

void TestData::emptyBlocks() {
    for (int block = 1; block <= BlockCount; ++block) {
        BlockNo[block] = 0;
        for (auto texts : SurveyTexts) (this->*texts)[block].clear();
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

bool TestData::sameSurveyTexts(const TestData& other) const {
    for (auto texts : SurveyTexts)
        if (this->*texts != other.*texts) return false;
    return true;
}

std::optional<std::pair<int, int>> TestData::soleSurveyTextDifference(const TestData& other) const {
    std::optional<std::pair<int, int>> found;
    for (int text = 0; text < int(SurveyTexts.size()); ++text) {
        const auto& mine = this->*SurveyTexts[text];
        const auto& theirs = other.*SurveyTexts[text];
        for (int block = 1; block < BlockSlots; ++block) {
            if (mine[block] == theirs[block]) continue;
            if (found) return std::nullopt;
            found = std::pair{block, text};
        }
    }
    return found;
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
    for (auto texts : SurveyTexts) take(texts);
}
