// The charts of the statistics windows: the won/lost pie (or the
// empty-chart picture when there is nothing to show), bar charts of a few
// values, and the progression line chart, drawn by the charts module (see
// ChartModule.h). The views are plain widgets to their windows.
#pragma once

#include <QColor>
#include <QImage>
#include <QStackedWidget>
#include <vector>

#include "records/ui/ChartModule.h"

namespace jw {

class WonLostPie : public QStackedWidget {
  public:
    // `empty` is the picture shown while there are no games to chart.
    WonLostPie(const QImage& empty, QWidget* parent);
    void Show(const WonLostView& view);
    bool ShowsPie() const { return currentIndex() == 0; }

  private:
    QWidget* chart = nullptr;
};

// A chart of one bar per value, its axis from 0 to `top` (0: fitted).
QWidget* MakeBarChart(const std::vector<Bar>& bars, double top, QWidget* parent);
void SetBars(QWidget* view, const std::vector<Bar>& bars, double top);

// The progression of the percentage won; `window` > 0 shows that many points
// from `first` on (the scrolled zoom window), else all of them.
QWidget* MakeProgressionChart(QWidget* parent);
void SetProgression(QWidget* view, const ProgressionSeries& series, int first = 0, int window = 0);

// The five fixed colours of the players' chart, and those of the small
// charts.
QColor SeriesColour(int index);

}  // namespace jw
