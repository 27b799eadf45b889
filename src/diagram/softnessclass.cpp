#include "diagram/softnessclass.h"

#include <array>

int SoftnessClass(double softness) {
    if (softness <= 0.7) return 1;
    if (softness <= 1.0) return 2;
    if (softness <= 1.5) return 3;
    if (softness < 4.0) return 4;
    return 5;
}

QString classMark(int softnessClass) {
    static const std::array<QString, SoftnessClassCount> marks{
        QStringLiteral("××"), QStringLiteral("×"), QStringLiteral("△"),
        QStringLiteral("○"),  QStringLiteral("△"),
    };
    return marks.at(static_cast<size_t>(softnessClass - 1));
}

QString classLegend(int softnessClass) {
    static const std::array<QString, SoftnessClassCount> legends{
        QStringLiteral("～ 0.7"),     QStringLiteral("0.7 ～ 1.0"), QStringLiteral("1.0 ～ 1.5"),
        QStringLiteral("1.5 ～ 4.0"), QStringLiteral("4.0 ～"),
    };
    return legends.at(static_cast<size_t>(softnessClass - 1));
}
