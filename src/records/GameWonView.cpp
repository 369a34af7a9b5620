#include "records/GameWonView.h"

#include "platform/Text.h"
#include "records/StatisticsViews.h"

namespace jw {

GameWonFigures GameWonFiguresOf(std::string_view gameName, std::int64_t won, std::int64_t lost) {
    GameWonFigures f;
    f.groupCaption.append("Total [").append(TrimRight(gameName)).append("]");
    f.won = std::to_string(won);
    f.lost = std::to_string(lost);
    f.total = std::to_string(won + lost);
    const WonLostView view = MakeWonLost(won, lost);
    f.showPie = !view.empty;
    f.wonPercent = view.wonLabel;
    f.lostPercent = view.lostLabel;
    f.pieValue = view.pieValue;
    return f;
}

}  // namespace jw
