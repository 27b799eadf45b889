#include "diagram/siteprofile.h"

#include <algorithm>
#include <cmath>

#include "model/testdata.h"

namespace {

// The band a depth lies in; -1 above the surface, ProfileBands below the last band.
int bandOf(double depth) {
    if (depth < 0) return -1;
    if (depth >= ProfileBands * BandDepth) return ProfileBands;
    return static_cast<int>(std::floor(depth / BandDepth));
}

bool isBand(int band) {
    return band >= 0 && band < ProfileBands;
}

}  // namespace

std::array<std::optional<double>, ProfileBands> bandSoftness(const TestData& data, int block) {
    std::array<double, ProfileBands> covered{};
    std::array<double, ProfileBands> drops{};
    const auto& depths = data.Measure[block];
    const int count = std::clamp<int>(data.DropCount[block], 0, TestData::DropSlots - 1);
    for (int drop = 1; drop <= count; ++drop) {
        const double top = drop == 1 ? 0.0 : depths[drop - 1];
        const double bottom = depths[drop];
        if (!std::isfinite(top) || !std::isfinite(bottom)) continue;
        if (bottom <= top) {
            if (isBand(bandOf(top))) drops[bandOf(top)] += 1;
            continue;
        }
        for (int band = std::max(0, bandOf(top)); band <= std::min(ProfileBands - 1, bandOf(bottom));
             ++band) {
            const double within = std::min(bottom, (band + 1) * BandDepth) - std::max(top, band * BandDepth);
            if (within <= 0) continue;
            covered[band] += within;
            drops[band] += within / (bottom - top);
        }
    }
    std::array<std::optional<double>, ProfileBands> softness;
    for (int band = 0; band < ProfileBands; ++band)
        if (drops[band] > 0) softness[band] = covered[band] / drops[band];
    return softness;
}

std::array<BandProfile, ProfileBands> siteProfile(const TestData& data, int from, int to) {
    std::array<BandProfile, ProfileBands> profile;
    std::array<double, ProfileBands> sums{};
    for (int band = 0; band < ProfileBands; ++band) {
        profile[band].top = band * BandDepth;
        profile[band].bottom = (band + 1) * BandDepth;
    }
    for (int block = from; block <= to; ++block) {
        const auto softness = bandSoftness(data, block);
        for (int band = 0; band < ProfileBands; ++band) {
            if (!softness[band]) continue;
            BandProfile& row = profile[band];
            const double value = *softness[band];
            ++row.count;
            sums[band] += value;
            row.least = row.least ? std::min(*row.least, value) : value;
            row.greatest = row.greatest ? std::max(*row.greatest, value) : value;
        }
    }
    for (int band = 0; band < ProfileBands; ++band)
        if (profile[band].count > 0) profile[band].mean = sums[band] / profile[band].count;
    return profile;
}
