#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "diagram/reportrule.h"

struct TestData;

// The effective soil depth of a point (see ReportRule), cm; `hardReached` false when no drop was as hard
// as the limit and the depth is the one reached, so that the true one lies deeper ("≥").
struct EffectiveDepth {
    double depth = 0;
    bool hardReached = false;
};

// What a site report needs of one test point (block).
struct BlockSummary {
    int block = 0;
    QString pointNo;     // 番号No.
    QString surveyName;  // 調査名
    QString date;        // 2001/04/15, or empty when no part of the date was given
    int drops = 0;
    // The rest is empty for a block without drops.
    std::optional<double> depth;  // cm reached: the last reading
    // The thickness in cm each softness class 1..5 (index 0..4) covers within 0–100 cm; a drop that
    // passes 100 cm counts up to 100 cm. Each drop is judged by its softness rounded to one decimal,
    // as the fill judges it.
    std::optional<std::array<double, 5>> thickness;
    // The depth (the reading) of the first drop of class 1, softness 0.7 cm/drop or less: where the
    // soil turns hard.
    std::optional<double> firstHardDepth;
    std::optional<double> meanSoftness;  // cm per drop over all drops
    std::optional<EffectiveDepth> effective;
    // With a target depth in the rule: whether the effective depth reaches it (適).
    std::optional<bool> fit;
};

// The numbers of one block, judged by the rule; the summary window, its CSV and the site report all
// take them from here.
BlockSummary SummarizeBlock(const TestData& data, int block, const ReportRule& rule = {});
// One row per block in use.
std::vector<BlockSummary> SummarizeSite(const TestData& data, const ReportRule& rule = {});
