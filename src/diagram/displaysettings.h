#pragma once

#include <QtGlobal>
#include <array>

class Settings;

// How the diagrams are coloured and what the graph window shows: the colour and monotone sets of the
// softness classes, the graph window's display switches and GGT mode. The colour sets are kept in the
// settings store between runs; the switches last one run.
struct DisplaySettings {
    static constexpr std::array<qint32, 6> DefaultColor{0, 255, 65535, 33023, 65280, 16776960};
    static constexpr std::array<qint32, 6> DefaultMono{0, 14737632, 12632256, 8421504, 4210752, 0};

    // Colours of softness classes 1..5 (index 0 unused), RGB with red in the low byte.
    std::array<qint32, 6> Color = DefaultColor;
    std::array<qint32, 6> Mono = DefaultMono;

    // Display switches of the graph window.
    qint16 ShowColor = 0, ShowMono = 0, Show2Colors = 0, Show3Colors = 0, Show5Colors = 0, ShowJHS = 0;
    qint16 ShowMarks = 1;
    qint16 GGTMode = 0;  // -1 on, 0 off

    // Takes the colour sets from the store; a missing value, or one that is no colour (not a number,
    // outside 0..0xFFFFFF), gives the default, which replaces a bad value in the store.
    void load(Settings& settings);
    void save(Settings& settings) const;
};
