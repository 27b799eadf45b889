#pragma once

struct TestData;

// Removes, in every block 1..BlockCount, the readings that break the rising depth sequence: those
// before the first reading above 0 and each reading below the reading before it in the block (kept
// or not), closing the gaps. Passes repeat until the kept readings never decrease. A block without
// any reading above 0 is left as it is. Returns whether any reading was removed.
bool CorrectReadings(TestData& data);
