// jadewind-tool permutation N NUMBER: the TileIds a game number deals to a
// layout of N tiles, in deal order, separated by spaces.
#include <iostream>

#include "Commands.h"
#include "engine/FixedText.h"
#include "engine/GameNumber.h"
#include "engine/Permutation.h"

namespace jw::tool {
namespace {

int RunPermutation(const Args& args) {
    if (args.size() != 2) {
        return UsageError("permutation takes a tile count and a game number");
    }
    const auto n = ParseInteger(args[0]);
    if (!n || *n < 0 || *n > kPermutationSlots) {
        return UsageError("the tile count must be a number from 0 to 468");
    }
    const TypedNumber number = ReadTypedGameNumber(args[1]);
    if (number.status == TypedNumberStatus::NotDigits) {
        return UsageError(std::string(kNumbersOnlyMessage));
    }
    const std::string digits =
        number.status == TypedNumberStatus::Valid ? number.number : NormalizeGameNumber("");
    const std::vector<int> ids = Permutation(static_cast<int>(*n), digits);
    for (std::size_t k = 0; k < ids.size(); ++k) {
        std::cout << (k == 0 ? "" : " ") << ids[k];
    }
    std::cout << "\n";
    return 0;
}

const Registrar kPermutation{
    {"permutation", "N NUMBER", "the TileIds game number NUMBER deals to N tiles", RunPermutation}};

}  // namespace
}  // namespace jw::tool
