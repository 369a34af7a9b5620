#include "engine/Permutation.h"

#include <cstdint>

#include "engine/GameNumber.h"

namespace jw {

namespace {

constexpr int kEmpty = 0;

// The number made of the given digit positions (1-based) of the game number.
std::int64_t DigitsValue(const std::string& number, std::initializer_list<int> positions) {
    std::int64_t value = 0;
    for (const int p : positions) {
        value = value * 10 + (number[static_cast<std::size_t>(p - 1)] - '0');
    }
    return value;
}

// The row selector of pass k: nine digits of the number read as an integer,
// modulo 13. Passes 1..10 leave out digits k..k+3; passes 11..13 take the
// digits 3..11, 4..12 and 5..13.
int RowSelector(const std::string& number, int k) {
    std::string nine;
    if (k <= 10) {
        nine = number.substr(0, static_cast<std::size_t>(k - 1)) +
               number.substr(static_cast<std::size_t>(k + 3));
    } else {
        nine = number.substr(static_cast<std::size_t>(k - 9), 9);
    }
    return static_cast<int>(std::stoll(nine) % 13);
}

int NextPosition(int p) {
    return p == 13 ? 1 : p + 1;
}

}  // namespace

std::vector<int> Permutation(int n, std::string_view gameNumber) {
    std::string number = NormalizeGameNumber(gameNumber);
    for (char& c : number) {
        if (c < '0' || c > '9') {
            c = '0';  // a number is digits only; anything else reads as 0
        }
    }
    std::array<int, kPermutationSlots> slots{};
    std::vector<int> pool;
    for (int base = 1; base <= 13; ++base) {
        pool.push_back(base);
    }
    int x = static_cast<int>(DigitsValue(number, {2, 6, 12}));
    int p1 = 1;
    int p2 = 7;
    int p3 = 13;
    for (int k = 1; k <= 13; ++k) {
        const int d = number[static_cast<std::size_t>(k - 1)] - '0';
        const bool zeroPass = d == 0;
        const int r = RowSelector(number, k);

        int c = static_cast<int>(DigitsValue(number, {p1, p2, p3}) % 13);
        const int last = static_cast<int>(pool.size()) - 1;
        if (c > last) {
            c = zeroPass ? last : 0;
        }
        const int base = pool[static_cast<std::size_t>(c)];
        pool.erase(pool.begin() + c);
        p1 = NextPosition(p1);
        p2 = NextPosition(p2);
        p3 = NextPosition(p3);

        x -= d;
        for (int i = 1; i <= kPermutationPassValues; ++i) {
            const auto column = static_cast<std::size_t>(i - 1);
            x += kPermutationStep[static_cast<std::size_t>(d)][column];
            if (x >= kPermutationSlots) {
                x %= kPermutationSlots;
            } else if (x < 0) {
                x = 0;
            }
            const int v = 13 * (kPermutationOrder[static_cast<std::size_t>(r)][column] - 1) + base +
                          52 * ((i - 1) / 4);
            if (slots[static_cast<std::size_t>(x)] != kEmpty) {
                int found = -1;
                if (zeroPass) {
                    for (int s = x; s < kPermutationSlots && found < 0; ++s) {
                        if (slots[static_cast<std::size_t>(s)] == kEmpty) {
                            found = s;
                        }
                    }
                } else {
                    for (int s = x; s >= 0 && found < 0; --s) {
                        if (slots[static_cast<std::size_t>(s)] == kEmpty) {
                            found = s;
                        }
                    }
                }
                for (int s = 0; s < kPermutationSlots && found < 0; ++s) {
                    if (slots[static_cast<std::size_t>(s)] == kEmpty) {
                        found = s;
                    }
                }
                x = found;
            }
            slots[static_cast<std::size_t>(x)] = v;
        }
    }
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(kPermutationSlots));
    for (const int v : slots) {
        if (v <= n) {
            ids.push_back(v);
        }
    }
    return ids;
}

std::string PermutationError(std::size_t count, int n) {
    return "E:N2T01 - Error Tiles Number. " + std::to_string(count) + " - " + std::to_string(n);
}

}  // namespace jw
