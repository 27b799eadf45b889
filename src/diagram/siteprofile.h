#pragma once

#include <array>
#include <optional>

struct TestData;

// The site profile: the softness of the points band by band, 10 cm deep from 0 to 100 cm.
inline constexpr int ProfileBands = 10;
inline constexpr double BandDepth = 10;  // cm

// The softness of a point in each band, cm per drop: the thickness the rod went down in the band
// divided by the drops that took. A drop across the edge of a band counts in each band by the share of
// its penetration that lies there; a drop that did not move the rod counts where the rod stood. A band
// the point did not reach has none.
std::array<std::optional<double>, ProfileBands> bandSoftness(const TestData& data, int block);

// One band across the points that reached it: how many did, and the mean, least and greatest of their
// softness (none when no point did).
struct BandProfile {
    double top = 0;
    double bottom = 0;
    int count = 0;
    std::optional<double> mean, least, greatest;
};

// The bands of blocks from..to.
std::array<BandProfile, ProfileBands> siteProfile(const TestData& data, int from, int to);
