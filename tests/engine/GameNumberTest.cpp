#include "engine/GameNumber.h"

#include <gtest/gtest.h>

#include "platform/ScriptedHost.h"

namespace jw {
namespace {

TEST(GameNumber, ShortNumbersArePaddedAndLongOnesKeepTheirLastDigits) {
    EXPECT_EQ(NormalizeGameNumber("1"), "0000000000001");
    EXPECT_EQ(NormalizeGameNumber(""), "0000000000000");
    EXPECT_EQ(NormalizeGameNumber("1234567890123"), "1234567890123");
    EXPECT_EQ(NormalizeGameNumber("991234567890123"), "1234567890123");
}

TEST(GameNumber, NewNumberIsTheProductOfTwoDrawsPadded) {
    test::ScriptedHost host;
    host.randomValues = {1234567, 765432};
    EXPECT_EQ(NewGameNumber(host), "0944977087944");  // 1234567 x 765432
    host.randomValues = {0, 5};
    EXPECT_EQ(NewGameNumber(host), "0000000000000");
    // The two draws cover 0..9999998 and 0..999998.
    host.randomValues = {9999998, 999998};
    EXPECT_EQ(NewGameNumber(host), "9999978000004");
}

TEST(GameNumber, TypedNumbers) {
    const TypedNumber one = ReadTypedGameNumber(" 1 ");
    EXPECT_EQ(one.status, TypedNumberStatus::Valid);
    EXPECT_EQ(one.number, "0000000000001");
    EXPECT_EQ(ReadTypedGameNumber("0").status, TypedNumberStatus::Zero);
    EXPECT_EQ(ReadTypedGameNumber("0000").status, TypedNumberStatus::Zero);
    EXPECT_EQ(ReadTypedGameNumber("").status, TypedNumberStatus::Zero);
    EXPECT_EQ(ReadTypedGameNumber("12a").status, TypedNumberStatus::NotDigits);
    EXPECT_EQ(ReadTypedGameNumber("-5").status, TypedNumberStatus::NotDigits);
    EXPECT_EQ(ReadTypedGameNumber("12345678901234567").number, "5678901234567");
}

}  // namespace
}  // namespace jw
