// The engine's own windows: "No more matches", the Memory-Up totals and
// hold-and-exit. Each is a modal dialog that returns the player's choice;
// what the choice does is the engine's business.
#pragma once

#include "platform/Host.h"

class QWidget;

namespace jw {

// "There are no more matches available." with its seven buttons.
NoMoreMatchesChoice RunNoMoreMatchesWindow(QWidget* owner);

// The totals of a finished Memory-Up game, titled "Game Won" or "Game Lost".
void RunMemoryUpTotalsWindow(QWidget* owner, const MemoryUpTotals& totals);

// TfrmJHoldAndExit: hold the unfinished game, exit with a loss, or cancel.
HoldAndExitChoice RunHoldAndExitWindow(QWidget* owner);

}  // namespace jw
