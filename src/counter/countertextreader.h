#pragma once

#include <QString>
#include <optional>

struct TestData;

// The survey information the blocks read from the counter take over, as the read command collected it.
struct InheritedSurvey {
    QString Tchousa;        // survey name
    QString TChousaName;    // tester
    QString TChousaDateY;   // year of the test
    QString TChousaArea;    // place
    QString TChousaAreaNo;  // number of the test point
    QString TChousaRan;     // drop height
};

// Reads the counter's records from their text (as the conversion writes it) into a cleared data set:
// BlockCount from the GGT control line (one empty block when there are no records, and at least the
// highest record number), and per record the block it is numbered with, its month and day, the inherited
// survey texts, its drop count and the cumulative reading of every drop in cm. Returns the reason when the
// text cannot be read or holds a record the data set cannot store; what was read up to there stays.
std::optional<QString> ReadCounterText(const QString& path, const InheritedSurvey& survey, TestData& data);
