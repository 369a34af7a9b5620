// Picture work split between two cores: the board's background and the
// tile set are made at start-up, while the player waits.
#pragma once

#include <functional>

namespace jw {

// Runs body(begin, end) over [0, count): the second half on a thread of its
// own when the machine has more than one core, the first half on the
// caller's. The halves must not write to the same places.
void InTwoHalves(int count, const std::function<void(int begin, int end)>& body);

}  // namespace jw
