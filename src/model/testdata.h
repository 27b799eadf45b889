#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The one data set of the application: the blocks (test points) with their survey information and
// readings, the position and mode state of the editing windows, and the settings held in memory.
// Made once at start-up and handed by reference to every window and command that uses it.
struct TestData {
    static constexpr int BlockSlots = 101;  // slot 0 is scratch space, blocks are 1..100
    static constexpr int MaxBlocks = 100;
    static constexpr int DropSlots = 502;  // slot 0 is the zero reference, drops are 1..500
    static constexpr int GridRows = 500;   // drop rows of the editing grid
    static constexpr float MaxReading = 1000.0f;

    template <typename T>
    using PerBlock = std::array<T, BlockSlots>;

    // Blocks.
    qint16 BlockCount = 1;
    qint16 CurBlock = 1;
    qint16 MaxDrops = 500;  // 240 after reading an older data file
    qint16 ExtFormat = 0;   // 1: save in the extended file layout
    QString DataFileName;

    PerBlock<qint16> DropCount{};
    PerBlock<qint16> BlockNo{};
    PerBlock<QString> SurveyName, TesterName, TestYear, TestMonth, TestDay, TestPlace, PointNo, DropHeight;
    // Cumulative depth in cm after each drop; slot 0 of every block is 0.0.
    PerBlock<std::array<float, DropSlots>> Measure{};

    // Editing state shared by the grid, the block commands and the recalculation.
    qint16 InsertMode = 0;    // an inserted row is open for its value
    qint16 InsertStored = 0;  // the commit step has run since the insert
    qint16 AdvanceRow = 0;    // the commit step accepted a value: the cursor may move on
    qint16 EditRow = 0;       // grid row the floating editor was last opened on

    // Colours of softness classes 1..5 (index 0 unused), RGB with red in the low byte.
    std::array<qint32, 6> Color = DefaultColor;
    std::array<qint32, 6> Mono = DefaultMono;

    // Display switches of the graph window.
    qint16 ShowColor = 0, ShowMono = 0, Show2Colors = 0, Show3Colors = 0, Show5Colors = 0, ShowJHS = 0;
    qint16 ShowMarks = 1;
    qint16 GGTMode = 0;  // -1 on, 0 off

    qint16 ProgressBase = 0;  // progress carried between drawing and printing passes
    qint16 PrintCancel = 0;   // set by the cancel button of the print status window
    qint16 CommPort = 2;      // serial port number of the counter link

    // Data present: the shown block has drops.
    bool hasData() const { return DropCount[CurBlock] > 0; }

    static constexpr std::array<qint32, 6> DefaultColor{0, 255, 65535, 33023, 65280, 16776960};
    static constexpr std::array<qint32, 6> DefaultMono{0, 14737632, 12632256, 8421504, 4210752, 0};
};
