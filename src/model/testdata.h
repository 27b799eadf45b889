#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

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

    // Empties blocks 1..BlockCount (survey texts, number, readings, drop count) and makes block 1 current.
    // BlockCount, MaxDrops, ExtFormat and DataFileName stay.
    void emptyBlocks();
};
