// The charts of the statistics windows are drawn by the charts module
// (libjadewind-charts.so beside the program, built on Qt Charts), loaded
// when the first chart is made. This is what the module offers.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "records/StatisticsViews.h"

class QWidget;

namespace jw {

struct Bar {
    QString label;
    double value = 0;
    QColor colour;
};

struct ChartFunctions {
    // An empty chart view.
    QWidget* (*makeView)(QWidget* parent);
    // The won share of a round (0 to 100), the rest lost.
    void (*showPie)(QWidget* view, double wonShare);
    // One bar per value, the axis from 0 to `top` (0: fitted).
    void (*setBars)(QWidget* view, const std::vector<Bar>& bars, double top);
    // The progression line; `window` > 0 shows that many points from
    // `first` on, else all of them.
    void (*setProgression)(QWidget* view, const ProgressionSeries& series, int first, int window);
};

inline constexpr const char* kChartModule = "jadewind-charts";
inline constexpr const char* kChartFunctions = "JadewindChartFunctions";
using ChartFunctionsEntry = const ChartFunctions* (*)();

}  // namespace jw
