// The charts module: the statistics windows' charts drawn with Qt Charts.
// Built apart from the game and loaded at the first chart (see
// ChartModule.h).
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "records/ui/ChartModule.h"

namespace jw {

namespace {

const QColor kWon(153, 255, 102);
const QColor kWonShade(91, 183, 0);
const QColor kLost(255, 121, 75);
const QColor kLostShade(177, 54, 1);

QWidget* NewView(QWidget* parent) {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(120, 100);
    return view;
}

QFont SmallFont() {
    QFont font;
    font.setPointSizeF(font.pointSizeF() * 0.8);
    return font;
}

// The chart of a view, emptied.
QChart* Cleared(QWidget* view) {
    QChart* chart = static_cast<QChartView*>(view)->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    return chart;
}

void ShowPie(QWidget* view, double wonShare) {
    QChart* c = Cleared(view);
    auto* series = new QPieSeries;
    series->setPieSize(0.85);
    // The won part drawn from the top, the lost part the rest of the round;
    // the darker side shades outline the slices.
    // A share of 0 gets no slice, so that a full round shows no seam.
    if (wonShare > 0) {
        QPieSlice* won = series->append(QStringLiteral("Won"), wonShare);
        won->setBrush(kWon);
        // A whole round has no edges to draw: its radius would show as a seam.
        won->setPen(wonShare < 100 ? QPen(kWonShade, 1.5) : QPen(kWon));
        won->setExploded(wonShare < 100);
        won->setExplodeDistanceFactor(0.04);
    }
    if (wonShare < 100) {
        QPieSlice* lost = series->append(QStringLiteral("Lost"), 100 - wonShare);
        lost->setBrush(kLost);
        lost->setPen(wonShare > 0 ? QPen(kLostShade, 1.5) : QPen(kLost));
    }
    c->addSeries(series);
}

void SetBars(QWidget* view, const std::vector<Bar>& bars, double top) {
    QChart* chart = Cleared(view);
    // Stacked sets holding a value only in their own category: one bar of
    // its own colour per category, centred on it.
    auto* series = new QStackedBarSeries;
    QStringList labels;
    double largest = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        auto* set = new QBarSet(bars[i].label);
        for (std::size_t k = 0; k < bars.size(); ++k)
            *set << (k == i ? bars[i].value : 0.0);
        set->setColor(bars[i].colour);
        set->setBorderColor(bars[i].colour.darker(140));
        series->append(set);
        labels << bars[i].label;
        largest = std::max(largest, bars[i].value);
    }
    series->setBarWidth(0.6);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    categories->setLabelsFont(SmallFont());
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setRange(0, top > 0 ? top : std::max(1.0, largest * 1.1));
    values->setLabelFormat(QStringLiteral("%d"));
    values->setLabelsFont(SmallFont());
    values->setTickCount(3);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
}

void SetProgression(QWidget* view, const ProgressionSeries& series, int first, int window) {
    QChart* chart = Cleared(view);
    auto* line = new QLineSeries;
    line->setColor(QColor(40, 110, 200));
    line->setPointsVisible(true);
    double largest = 0;
    for (std::size_t i = 0; i < series.values.size(); ++i) {
        line->append(static_cast<double>(i), series.values[i]);
        largest = std::max(largest, series.values[i]);
    }
    chart->addSeries(line);
    auto* months = new QCategoryAxis;
    months->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (std::size_t i = 0; i < series.labels.size(); ++i)
        if (!series.labels[i].empty())
            months->append(QString::fromStdString(series.labels[i]), static_cast<double>(i));
    const int count = static_cast<int>(series.values.size());
    const int from = window > 0 ? std::clamp(first, 0, std::max(0, count - window)) : 0;
    const int to = window > 0 ? from + window - 1 : std::max(count - 1, 1);
    // Half a point of room at both ends, so that the end labels show whole.
    months->setRange(from - 0.5, std::max(to, from + 1) + 0.5);
    chart->addAxis(months, Qt::AlignBottom);
    line->attachAxis(months);
    auto* values = new QValueAxis;
    if (series.fixedAxis)
        values->setRange(0, 100);
    else
        values->setRange(0, largest <= 0 ? 100 : std::min(100.0, largest * 1.1 + 1));
    values->setLabelFormat(series.wholeNumberAxis ? QStringLiteral("%d") : QStringLiteral("%.1f"));
    chart->addAxis(values, Qt::AlignLeft);
    line->attachAxis(values);
}

const ChartFunctions kFunctions{NewView, ShowPie, SetBars, SetProgression};

}  // namespace
}  // namespace jw

extern "C" Q_DECL_EXPORT const jw::ChartFunctions* JadewindChartFunctions() {
    return &jw::kFunctions;
}
