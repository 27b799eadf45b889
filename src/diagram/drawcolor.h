#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class Surface;
struct DisplaySettings;

// How the fill of a diagram colours its drops: by the five softness classes, by three or two
// groupings of the softest drops (harder drops white), or not at all.
enum class FillGrouping { None, FiveColors, ThreeColors, TwoColors };

inline constexpr qint32 FillWhite = 16777215;

// The grouping the graph window's boxes choose: the first box that is on, read in the order
// chk5Colors, chk3Colors, chk2Colors.
FillGrouping chosenGrouping(bool chk5Colors, bool chk3Colors, bool chk2Colors);

// Caption of a grouping's check box.
QString groupingCaption(FillGrouping grouping);

// The colour set in use: 1 the colour set, 0 the mono set. Monotone display wins over colour display;
// with neither on, the mono set.
int MonoColOf(bool chkMono, bool chkColor);

// The softness of a drop as the fill judges it: the penetration rounded to one decimal ("0.0").
double DiffOf(float depth, float previousDepth);

// The fill colour of a drop of softness Diff, or nothing when no grouping is chosen or MonoCol is
// neither 0 nor 1.
std::optional<qint32> fillColor(const DisplaySettings& display, FillGrouping grouping, int MonoCol,
                                double Diff);

// Sets the surface's drawing colour to the fill colour of a drop; leaves it as it is when there is none.
void SetDrawColor(Surface& obj, const DisplaySettings& display, FillGrouping grouping, int MonoCol,
                  double Diff);
