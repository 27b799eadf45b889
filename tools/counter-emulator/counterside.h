#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "imagecheck.h"

class PseudoTerminal;

// How the emulated counter misbehaves, for tests of the program's side.
struct Faults {
    std::optional<int> silentAfterChunks;      // sends this many chunks, then nothing more
    std::optional<int> silentAfterCharacters;  // sends this many characters of its chunks, then nothing more
    std::optional<int> garbledChunk;           // sends this chunk (1-960) with a "G" for its first digit
    std::optional<int> silentAfterBytes;       // acknowledges this many image bytes, then nothing more
    std::optional<int> garbageAfterChunks;     // after this many chunks floods the line with garbage
    char firstCharacter = 'A';                 // starts the first chunk with this
    std::string ready = "S";                   // announces itself for the image with this
    std::optional<int>
        wrongAcknowledgementAt;  // answers this image byte (1-1024) with `wrongAcknowledgement`
    std::string wrongAcknowledgement = "B";
};

struct SessionSettings {
    std::string memoryDigits;  // the 30720 digits of the data memory
    Faults faults;
    bool paced = false;                  // characters at the real 4800 bit/s
    int pacedChunks = 0;                 // the first chunks of a session at 4800 bit/s, the rest at once
    std::chrono::milliseconds delay{0};  // from the program's opening the port to the first chunk
    ExpectedParameters parameters;
    std::string savePath;  // where the received image goes, if anywhere
};

// What a session saw: faults of the program's side, and how far it got.
struct SessionReport {
    std::vector<std::string> faults;
    int chunksSent = 0;
    int imageBytes = 0;
    bool imageChecked = false;
};

// Plays the counter's side of one transfer, from the program's opening of the port to its closing.
SessionReport runSession(PseudoTerminal& line, const SessionSettings& settings);
