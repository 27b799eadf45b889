#pragma once

#include <QString>

// The five softness classes (cm per drop): class 1 up to 0.7, 2 up to 1.0, 3 up to 1.5, 4 below 4.0,
// and 5 from 4.0 on. Each upper bound belongs to its class, except 4.0, which opens class 5.
inline constexpr int SoftnessClassCount = 5;

int SoftnessClass(double softness);

// The mark printed under the diagram for a class 1..5 ("××", "×", "△", "○", "△").
QString classMark(int softnessClass);

// The legend text of a class 1..5 on the diagram sheet ("～ 0.7" ... "4.0 ～").
QString classLegend(int softnessClass);
