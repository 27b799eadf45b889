#include "diagram/drawcolor.h"

#include "diagram/displaysettings.h"
#include "diagram/softnessclass.h"
#include "model/format.h"
#include "platform/surface.h"

namespace {

// Entry 1..5 of the colour set for a softness under a grouping; 0 for white.
int setEntry(FillGrouping grouping, double Diff) {
    switch (grouping) {
        case FillGrouping::FiveColors: return SoftnessClass(Diff);
        case FillGrouping::ThreeColors: return Diff <= 0.5 ? 1 : Diff <= 0.7 ? 2 : Diff <= 1.0 ? 3 : 0;
        case FillGrouping::TwoColors: return Diff <= 0.7 ? 1 : Diff <= 1.0 ? 2 : 0;
        case FillGrouping::None: break;
    }
    return 0;
}

}  // namespace

FillGrouping chosenGrouping(bool chk5Colors, bool chk3Colors, bool chk2Colors) {
    if (chk5Colors) return FillGrouping::FiveColors;
    if (chk3Colors) return FillGrouping::ThreeColors;
    if (chk2Colors) return FillGrouping::TwoColors;
    return FillGrouping::None;
}

QString groupingCaption(FillGrouping grouping) {
    switch (grouping) {
        case FillGrouping::FiveColors: return QStringLiteral("色塗り(5色) (0.7cm / 1.0cm / 1.5cm / 4.0cm)");
        case FillGrouping::ThreeColors: return QStringLiteral("色塗り(3色) (0.5cm / 0.7cm / 1.0cm)");
        case FillGrouping::TwoColors: return QStringLiteral("色塗り(2色) （0.7cm / 1.0cm)");
        case FillGrouping::None: break;
    }
    return {};
}

int MonoColOf(bool chkMono, bool chkColor) {
    return !chkMono && chkColor ? 1 : 0;
}

double DiffOf(float depth, float previousDepth) {
    return Format::tenths(depth - previousDepth);
}

std::optional<qint32> fillColor(const DisplaySettings& display, FillGrouping grouping, int MonoCol,
                                double Diff) {
    if ((MonoCol != 0 && MonoCol != 1) || grouping == FillGrouping::None) return std::nullopt;
    const int entry = setEntry(grouping, Diff);
    if (entry == 0) return FillWhite;
    return MonoCol == 1 ? display.Color.at(static_cast<size_t>(entry))
                        : display.Mono.at(static_cast<size_t>(entry));
}

void SetDrawColor(Surface& obj, const DisplaySettings& display, FillGrouping grouping, int MonoCol,
                  double Diff) {
    if (const auto color = fillColor(display, grouping, MonoCol, Diff)) obj.setDrawColor(*color);
}
