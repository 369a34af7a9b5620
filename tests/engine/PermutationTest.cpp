#include "engine/Permutation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "engine/GameNumber.h"

namespace jw {
namespace {

bool IsPermutationOf1ToN(std::vector<int> ids, int n) {
    std::sort(ids.begin(), ids.end());
    std::vector<int> expected(static_cast<std::size_t>(n));
    std::iota(expected.begin(), expected.end(), 1);
    return ids == expected;
}

TEST(Permutation, ListsEveryIdOnceForManyNumbersAndSizes) {
    std::mt19937_64 random(7);
    for (int k = 0; k < 300; ++k) {
        const std::string number =
            NormalizeGameNumber(std::to_string(random() % 10000000000000ULL));
        for (const int n : {0, 1, 16, 72, 144, 288, 432, 468}) {
            ASSERT_TRUE(IsPermutationOf1ToN(Permutation(n, number), n)) << number << " " << n;
        }
    }
    // Numbers rich in zeros exercise the zero passes and the pool's end.
    for (const char* number : {"0000000000000", "0000000000001", "1000000000000", "9999999999999",
                               "5496294016368", "0101010101010"}) {
        EXPECT_TRUE(IsPermutationOf1ToN(Permutation(144, number), 144)) << number;
    }
}

TEST(Permutation, MoreTilesThanSlotsGiveTheWholeRingAndAnError) {
    const std::vector<int> ids = Permutation(500, "1234567890123");
    EXPECT_EQ(ids.size(), 468u);
    EXPECT_EQ(PermutationError(ids.size(), 500), "E:N2T01 - Error Tiles Number. 468 - 500");
}

TEST(Permutation, SmallerListsKeepTheOrderOfTheRing) {
    const std::vector<int> all = Permutation(468, "3141592653589");
    std::vector<int> expected;
    std::copy_if(all.begin(), all.end(), std::back_inserter(expected),
                 [](int v) { return v <= 144; });
    EXPECT_EQ(Permutation(144, "3141592653589"), expected);
    EXPECT_EQ(Permutation(144, "3141592653589"), Permutation(144, "3141592653589"));
    EXPECT_NE(Permutation(144, "3141592653589"), Permutation(144, "3141592653588"));
}

// A game number stands for the same board in every version: these lists are
// what the numbers dealt when the algorithm was written down, and must never
// change.
TEST(Permutation, KnownNumbersKeepTheirLists) {
    const std::vector<int> first = Permutation(144, "0000000000001");
    const std::vector<int> second = Permutation(144, "5496294016368");
    EXPECT_EQ(std::vector<int>(first.begin(), first.begin() + 12),
              (std::vector<int>{109, 52, 25, 118, 37, 43, 49, 144, 38, 12, 2, 104}));
    EXPECT_EQ(std::vector<int>(second.begin(), second.begin() + 12),
              (std::vector<int>{47, 18, 34, 108, 117, 21, 32, 93, 127, 8, 44, 54}));
}

}  // namespace
}  // namespace jw
