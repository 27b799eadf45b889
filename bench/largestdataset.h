#pragma once

#include <QString>

#include "model/testdata.h"

// The largest data set a file holds: 100 blocks of 500 rising readings with Japanese survey texts.
inline TestData largestDataSet() {
    TestData data;
    data.BlockCount = TestData::MaxBlocks;
    for (int block = 1; block <= TestData::MaxBlocks; ++block) {
        data.SurveyName[block] = QStringLiteral("長谷川式土壌貫入試験～調査");
        data.TesterName[block] = QStringLiteral("山田太郎");
        data.TestYear[block] = QStringLiteral("2024");
        data.TestMonth[block] = QStringLiteral("05");
        data.TestDay[block] = QStringLiteral("12");
        data.TestPlace[block] = QStringLiteral("東京都千代田区");
        data.PointNo[block] = QStringLiteral("No.12");
        data.DropHeight[block] = QStringLiteral("50cm");
        data.DropCount[block] = TestData::GridRows;
        for (int drop = 1; drop <= TestData::GridRows; ++drop)
            data.Measure[block][drop] = static_cast<float>(drop * 1.23 + block * 0.001);
    }
    return data;
}
