#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/failure.h"

struct TestData;

// The survey information the blocks read from the counter take over, as the read command collected it
// (its Tchousa, TChousaName, TChousaDateY, TChousaArea, TChousaAreaNo and TChousaRan).
struct InheritedSurvey {
    QString surveyName;
    QString testerName;
    QString testYear;
    QString testPlace;
    QString pointNo;
    QString dropHeight;
};

// What reading the counter's text came to.
struct CounterTextRead {
    std::optional<Failure> failure;
    std::vector<int> leftOut;  // numbers of the records beyond the blocks the data set holds
};

// Reads the counter's records from their text (as the conversion writes it) into a cleared data set:
// BlockCount from the GGT control line (one empty block when there are no records, and at least the
// highest record number), and per record the block it is numbered with, its month and day, the inherited
// survey texts, its drop count and the cumulative reading of every drop in cm. The counter holds up to
// 128 records: those numbered above 100 are read and left out. Fails as Unreadable when the file cannot
// be read, as RefusedInput when the text holds a record that cannot be read; the records read up to
// there stay.
CounterTextRead ReadCounterText(const QString& path, const InheritedSurvey& survey, TestData& data);
// The same of the bytes of such a text, named `name` in the messages.
CounterTextRead ReadCounterTextBytes(std::string_view bytes, const QString& name,
                                     const InheritedSurvey& survey, TestData& data);
// The same for the text itself; `path` names it in the messages.
CounterTextRead ReadCounterRecords(const QString& text, const QString& path, const InheritedSurvey& survey,
                                   TestData& data);

// What the user is told of records left out: each number once, in the order the records came.
QString LeftOutRecordsNotice(const std::vector<int>& numbers);
