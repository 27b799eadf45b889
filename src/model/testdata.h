#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <utility>

#include "model/changenotifier.h"

// The one data set of the application: the blocks (test points) with their survey information and
// readings, the block shown, and the data file they belong to. Made once at start-up and handed by
// reference to every command and view that uses it.
struct TestData {
    static constexpr int BlockSlots = 101;  // slot 0 is scratch space, blocks are 1..100
    static constexpr int MaxBlocks = 100;
    static constexpr int DropSlots = 502;  // slot 0 is the zero reference, drops are 1..500
    static constexpr int GridRows = 500;   // drop rows of the editing grid
    static constexpr float MaxReading = 1000.0f;

    template <typename T>
    using PerBlock = std::array<T, BlockSlots>;

    qint16 BlockCount = 1;
    qint16 CurBlock = 1;    // the block shown
    qint16 MaxDrops = 500;  // 240 after reading an older data file
    qint16 ExtFormat = 0;   // 1: save in the extended file layout
    QString DataFileName;
    bool Modified = false;  // changed since it was opened, saved or made new
    // Counts the times the data set was replaced by a file or made new: the undo history starts afresh.
    quint64 Generation = 0;

    PerBlock<qint16> DropCount{};
    PerBlock<qint16> BlockNo{};
    PerBlock<QString> SurveyName, TesterName, TestYear, TestMonth, TestDay, TestPlace, PointNo, DropHeight;
    // Cumulative depth in cm after each drop; slot 0 of every block is 0.0.
    PerBlock<std::array<float, DropSlots>> Measure{};

    // Told whenever the blocks, the block shown or whether they are saved changed.
    ChangeNotifier changed;

    // Data present: the shown block has drops.
    bool hasData() const { return DropCount[CurBlock] > 0; }
    // Some block has drops.
    bool anyDrops() const;

    // The penetration of a drop: how far the rod went down with it.
    float penetration(int block, int drop) const { return Measure[block][drop] - Measure[block][drop - 1]; }

    // The same readings: the same block count, and in each block in use the same drops (slots beyond
    // them do not count).
    bool sameReadings(const TestData& other) const;
    // The same survey texts in every block slot.
    bool sameSurveyTexts(const TestData& other) const;
    // When two data sets differ in one survey text of one block and in no other text: that block and the
    // text's place in `SurveyTexts`.
    std::optional<std::pair<int, int>> soleSurveyTextDifference(const TestData& other) const;
    // Turns the blocks to `side` of a change whose other side is `other`: the readings and counts as on
    // that side, survey texts and block numbers only where the change touched them, so that texts
    // typed since stay. The block shown, the data file, its layout and the drop capacity stay.
    void turnTo(const TestData& side, const TestData& other);

    // Empties blocks 1..BlockCount (survey texts, number, readings, drop count) and makes block 1 current.
    // BlockCount, MaxDrops, ExtFormat and DataFileName stay.
    void emptyBlocks();
};

// The eight survey texts of a block, in the order of the fields on screen.
inline constexpr std::array SurveyTexts{&TestData::SurveyName, &TestData::TesterName, &TestData::TestPlace,
                                        &TestData::DropHeight, &TestData::PointNo,    &TestData::TestYear,
                                        &TestData::TestMonth,  &TestData::TestDay};
