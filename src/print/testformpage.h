#pragma once

#include <QString>
#include <functional>

class Surface;
struct TestData;

// Tells the user that a survey text is longer than its place on the page and is printed shortened:
// the message and its title. The page goes on once it returns.
using LengthWarning = std::function<void(const QString& text, const QString& title)>;

// The parts of the test form of block CurBlock on a portrait page, in twips from the top-left corner
// of the printable area.

// The header band: the title (with the JHS 604 labels in the `jhs` variant) and the survey fields.
// The survey name prints up to 35 characters, tester and place up to 20; a longer text is shortened
// after a warning.
void PrintFormHeader(Surface& printer, const TestData& data, bool jhs, const LengthWarning& warn);

// The drop table: drop numbers 1..240 in four groups of 60 with the readings beside them (a zero
// reading blank). Restores the font face it found; leaves the size at 6 points.
void PrintDropTable(Surface& printer, const TestData& data);

// The empty box at the lower right.
void PrintFormFrame(Surface& printer);
