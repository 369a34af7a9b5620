#include "records/ui/StatCharts.h"

#include <QLabel>
#include <algorithm>

#include "presentation/ui/Modules.h"

namespace jw {

namespace {

// The module's functions, loaded at the first chart; null without it.
const ChartFunctions* Charts() {
    static const ChartFunctions* const functions = [] {
        const auto entry =
            reinterpret_cast<ChartFunctionsEntry>(ModuleEntry(kChartModule, kChartFunctions));
        return entry != nullptr ? entry() : nullptr;
    }();
    return functions;
}

// A chart view, or where the charts module is missing, a note in its place.
QWidget* NewView(QWidget* parent) {
    if (const ChartFunctions* charts = Charts()) {
        return charts->makeView(parent);
    }
    auto* missing =
        new QLabel(QStringLiteral("(No charts: the charts module is not installed.)"), parent);
    missing->setAlignment(Qt::AlignCenter);
    missing->setWordWrap(true);
    missing->setMinimumSize(120, 100);
    return missing;
}

}  // namespace

QColor SeriesColour(int index) {
    static const QColor colours[] = {QColor(66, 133, 244), QColor(234, 67, 53), QColor(251, 188, 5),
                                     QColor(52, 168, 83), QColor(171, 71, 188)};
    return colours[static_cast<std::size_t>(std::clamp(index, 0, 4))];
}

WonLostPie::WonLostPie(const QImage& empty, QWidget* parent) : QStackedWidget(parent) {
    chart = NewView(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgEmptyChart"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(QPixmap::fromImage(empty));
    addWidget(chart);
    addWidget(picture);
    setCurrentIndex(1);
}

void WonLostPie::Show(const WonLostView& view) {
    if (view.empty) {
        setCurrentIndex(1);
        return;
    }
    if (const ChartFunctions* charts = Charts()) {
        charts->showPie(chart, view.pieValue);
    }
    setCurrentIndex(0);
}

QWidget* MakeBarChart(const std::vector<Bar>& bars, double top, QWidget* parent) {
    QWidget* view = NewView(parent);
    SetBars(view, bars, top);
    return view;
}

void SetBars(QWidget* view, const std::vector<Bar>& bars, double top) {
    if (const ChartFunctions* charts = Charts()) {
        charts->setBars(view, bars, top);
    }
}

QWidget* MakeProgressionChart(QWidget* parent) {
    return NewView(parent);
}

void SetProgression(QWidget* view, const ProgressionSeries& series, int first, int window) {
    if (const ChartFunctions* charts = Charts()) {
        charts->setProgression(view, series, first, window);
    }
}

}  // namespace jw
