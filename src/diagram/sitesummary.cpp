#include "diagram/sitesummary.h"

#include <algorithm>

#include "diagram/drawcolor.h"
#include "diagram/softnessclass.h"
#include "model/format.h"
#include "model/testdata.h"

namespace {

constexpr double ClipDepth = 100;

QString dateOf(const TestData& data, int block) {
    if (data.TestYear[block].isEmpty() && data.TestMonth[block].isEmpty() && data.TestDay[block].isEmpty())
        return {};
    return data.TestYear[block] + QLatin1Char('/') + data.TestMonth[block] + QLatin1Char('/') +
           data.TestDay[block];
}

}  // namespace

BlockSummary SummarizeBlock(const TestData& data, int block, const ReportRule& rule) {
    BlockSummary summary;
    summary.block = block;
    summary.pointNo = data.PointNo[block];
    summary.surveyName = data.SurveyName[block];
    summary.date = dateOf(data, block);
    const auto& depths = data.Measure[block];
    summary.drops = std::clamp<int>(data.DropCount[block], 0, TestData::DropSlots - 1);
    if (summary.drops == 0) return summary;

    std::array<double, 5> thickness{};
    std::optional<double> hardDepth;
    for (int drop = 1; drop <= summary.drops; ++drop) {
        const float before = drop == 1 ? 0.0f : depths[drop - 1];
        const double Diff = DiffOf(depths[drop], before);
        const int softnessClass = SoftnessClass(Diff);
        const double top = std::clamp<double>(before, 0, ClipDepth);
        const double bottom = std::clamp<double>(depths[drop], 0, ClipDepth);
        if (bottom > top) thickness[softnessClass - 1] += bottom - top;
        if (softnessClass == 1 && !summary.firstHardDepth) summary.firstHardDepth = depths[drop];
        if (Diff <= rule.hardLimit && !hardDepth) hardDepth = Format::readingValue(depths[drop]);
    }
    summary.thickness = thickness;
    summary.depth = depths[summary.drops];
    summary.meanSoftness = *summary.depth / summary.drops;
    // Judged by the depths as they are shown: a reading of 30.3 reaches a target of 30.3.
    summary.effective = hardDepth ? EffectiveDepth{*hardDepth, true}
                                  : EffectiveDepth{Format::readingValue(depths[summary.drops]), false};
    if (rule.target) summary.fit = summary.effective->depth >= *rule.target;
    return summary;
}

std::vector<BlockSummary> SummarizeSite(const TestData& data, const ReportRule& rule) {
    std::vector<BlockSummary> rows;
    for (int block = 1; block <= data.BlockCount; ++block) rows.push_back(SummarizeBlock(data, block, rule));
    return rows;
}
