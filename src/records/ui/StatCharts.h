// The charts of the statistics windows: the won/lost pie (or the
// empty-chart picture when there is nothing to show), bar charts of a few
// values, and the progression line chart.
#pragma once

#include <QColor>
#include <QImage>
#include <QStackedWidget>
#include <QString>
#include <vector>

#include "records/StatisticsViews.h"

class QChartView;

namespace jw {

class WonLostPie : public QStackedWidget {
  public:
    // `empty` is the picture shown while there are no games to chart.
    WonLostPie(const QImage& empty, QWidget* parent);
    void Show(const WonLostView& view);
    bool ShowsPie() const { return currentIndex() == 0; }

  private:
    QChartView* chart = nullptr;
};

struct Bar {
    QString label;
    double value = 0;
    QColor colour;
};

// A chart of one bar per value, its axis from 0 to `top` (0: fitted).
QChartView* MakeBarChart(const std::vector<Bar>& bars, double top, QWidget* parent);
void SetBars(QChartView* view, const std::vector<Bar>& bars, double top);

// The progression of the percentage won; `window` > 0 shows that many points
// from `first` on (the scrolled zoom window), else all of them.
QChartView* MakeProgressionChart(QWidget* parent);
void SetProgression(QChartView* view, const ProgressionSeries& series, int first = 0,
                    int window = 0);

// The five fixed colours of the players' chart, and those of the small
// charts.
QColor SeriesColour(int index);

}  // namespace jw
