// ole::Value: the variant types, Automation's coercions and the texts logs show.

#include "error_of.h"
#include "wordgen/ole/error.h"
#include "wordgen/ole/recorder.h"
#include "wordgen/ole/value.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ole;
using ole::testing::errorOf;

TEST(value_types, each_literal_keeps_its_variant_type) {
    EXPECT_EQ(Value().type(), VarType::Empty);
    EXPECT_EQ(Bool(true).type(), VarType::Bool);
    EXPECT_EQ(I2(8).type(), VarType::I2);
    EXPECT_EQ(I4(8).type(), VarType::I4);
    EXPECT_EQ(R4(8).type(), VarType::R4);
    EXPECT_EQ(R8(8).type(), VarType::R8);
    EXPECT_EQ(Str(QStringLiteral("8")).type(), VarType::String);
    EXPECT_EQ(Value("8").type(), VarType::String);
    auto obj = std::make_shared<ole::testing::Recorder>(std::make_shared<ole::testing::Recording>(),
                                                        "Font");
    EXPECT_EQ(Value(DispatchPtr(obj)).type(), VarType::Object);
}

TEST(value_types, equal_numbers_of_different_width_are_different_values) {
    // The 16-bit / 32-bit choice of a caller must stay visible to a test.
    EXPECT_FALSE(I2(1) == I4(1));
    EXPECT_FALSE(R4(1) == R8(1));
    EXPECT_TRUE(I2(1) == I2(1));
    EXPECT_FALSE(Str("1") == I4(1));
}

TEST(value_coercion, numbers_round_half_to_even) {
    EXPECT_EQ(R8(0.5).toInt(), 0);
    EXPECT_EQ(R8(1.5).toInt(), 2);
    EXPECT_EQ(R8(2.5).toInt(), 2);
    EXPECT_EQ(R8(3.5).toInt(), 4);
    EXPECT_EQ(R8(-2.5).toInt(), -2);
    EXPECT_EQ(R8(-3.5).toInt(), -4);
    EXPECT_EQ(R8(2.6).toInt(), 3);
    EXPECT_EQ(R4(18.5f).toInt(), 18);
    EXPECT_EQ(Str(" 36.5 ").toInt(), 36);
}

TEST(value_coercion, booleans_follow_automation) {
    EXPECT_EQ(Bool(true).toInt(), -1); // Automation's True is -1
    EXPECT_EQ(Bool(false).toInt(), 0);
    EXPECT_TRUE(I4(9999998).toBool());
    EXPECT_FALSE(I2(0).toBool());
    EXPECT_TRUE(Str("True").toBool());
    EXPECT_FALSE(Str(" false ").toBool());
    EXPECT_TRUE(Str("-1").toBool());
    EXPECT_EQ(Bool(true).toString(), QStringLiteral("True"));
}

TEST(value_coercion, empty_reads_as_zero_and_empty_text) {
    EXPECT_EQ(Value().toInt(), 0);
    EXPECT_FALSE(Value().toBool());
    EXPECT_EQ(Value().toString(), QString());
    EXPECT_TRUE(Value().isEmpty());
    EXPECT_FALSE(Value().isNumeric());
}

TEST(value_coercion, impossible_conversions_say_why) {
    EXPECT_EQ(errorOf([] { (void)Str("Tahoma").toInt(); }), QStringLiteral("Type mismatch"));
    EXPECT_EQ(errorOf([] { (void)Str("maybe").toBool(); }), QStringLiteral("Type mismatch"));
    EXPECT_EQ(errorOf([] { (void)R8(3e10).toInt(); }), QStringLiteral("Overflow"));
    EXPECT_EQ(errorOf([] { (void)R8(std::numeric_limits<double>::quiet_NaN()).toInt(); }),
              QStringLiteral("Overflow"));
    EXPECT_EQ(errorOf([] { (void)I4(1).toObject(); }), QStringLiteral("Object required"));
    EXPECT_EQ(errorOf([] { (void)Value(DispatchPtr()).toObject(); }),
              QStringLiteral("Object required"));
    auto obj = std::make_shared<ole::testing::Recorder>(std::make_shared<ole::testing::Recording>(),
                                                        "Font");
    EXPECT_EQ(errorOf([&] { (void)Value(DispatchPtr(obj)).toString(); }),
              QStringLiteral("Type mismatch"));
    EXPECT_EQ(errorOf([&] { (void)Value(DispatchPtr(obj)).toDouble(); }),
              QStringLiteral("Type mismatch"));
}

TEST(value_coercion, limits_of_32_bit_are_kept) {
    EXPECT_EQ(R8(2147483647.0).toInt(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(R8(-2147483648.0).toInt(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(errorOf([] { (void)R8(2147483648.0).toInt(); }), QStringLiteral("Overflow"));
    EXPECT_EQ(I2(-32768).toInt(), -32768);
}

TEST(value_describe, shows_type_and_value) {
    EXPECT_EQ(Value().describe(), QStringLiteral("Empty"));
    EXPECT_EQ(I2(3).describe(), QStringLiteral("I2 3"));
    EXPECT_EQ(I4(-1).describe(), QStringLiteral("I4 -1"));
    EXPECT_EQ(Bool(false).describe(), QStringLiteral("Bool False"));
    EXPECT_EQ(R4(18).describe(), QStringLiteral("R4 18"));
    EXPECT_EQ(R8(0.25).describe(), QStringLiteral("R8 0.25"));
    EXPECT_EQ(Str("Tahoma").describe(), QStringLiteral("String \"Tahoma\""));
}

TEST(value_describe, escapes_control_characters_and_quotes) {
    EXPECT_EQ(Str(QStringLiteral("a\r\nb\tc\x0B"
                                 "d\"e\\f"))
                  .describe(),
              QStringLiteral("String \"a\\r\\nb\\tc\\vd\\\"e\\\\f\""));
}

TEST(value_describe, names_the_class_of_an_object) {
    auto obj = std::make_shared<ole::testing::Recorder>(std::make_shared<ole::testing::Recording>(),
                                                        "Selection");
    EXPECT_EQ(Value(DispatchPtr(obj)).describe(), QStringLiteral("Object Selection"));
    EXPECT_EQ(Value(DispatchPtr()).describe(), QStringLiteral("Object Nothing"));
}
