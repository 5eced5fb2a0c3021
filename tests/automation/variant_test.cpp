// Variant keeps the caller's type and converts with the automation runtime's rules.
#include "automation/automation_error.h"
#include "automation/variant.h"

#include <gtest/gtest.h>

using automation::AutomationError;
using automation::Variant;
using automation::VarType;

namespace {

int errorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(Variant, keeps_the_type_the_caller_chose) {
    EXPECT_EQ(Variant(int16_t{10}).typeName(), "VT_I2");
    EXPECT_EQ(Variant(int32_t{65}).typeName(), "VT_I4");
    EXPECT_EQ(Variant(15.57).typeName(), "VT_R8");
    EXPECT_EQ(Variant("B1:B1").typeName(), "VT_BSTR");  // a literal is text, never a Boolean
    EXPECT_EQ(Variant(true).typeName(), "VT_BOOL");
    EXPECT_EQ(Variant::null().typeName(), "VT_NULL");
    EXPECT_EQ(Variant().type(), VarType::Empty);
    EXPECT_TRUE(Variant::missing().isMissing());
    EXPECT_NE(Variant(int16_t{1}), Variant(int32_t{1}));
}

TEST(Variant, booleans_are_minus_one_and_zero) {
    EXPECT_EQ(Variant(true).toI2(), -1);
    EXPECT_EQ(Variant(false).toI4(), 0);
    EXPECT_EQ(Variant(true).toString(), "True");
    EXPECT_TRUE(Variant("true").toBool());
    EXPECT_FALSE(Variant("False").toBool());
    EXPECT_TRUE(Variant(int16_t{-4105}).toBool());
    EXPECT_EQ(Variant(true).describe(), "BOOL(true)");
}

TEST(Variant, integers_round_half_to_even_and_overflow_instead_of_wrapping) {
    EXPECT_EQ(Variant(2.5).toI2(), 2);
    EXPECT_EQ(Variant(3.5).toI2(), 4);
    EXPECT_EQ(Variant(-2.5).toI4(), -2);
    EXPECT_EQ(Variant("16.0").toI2(), 16);
    EXPECT_EQ(errorNumberOf([] { Variant(40000.0).toI2(); }), automation::errors::kOverflow);
    EXPECT_EQ(errorNumberOf([] { Variant(3e10).toI4(); }), automation::errors::kOverflow);
}

TEST(Variant, text_converts_only_when_it_reads_as_a_number) {
    EXPECT_DOUBLE_EQ(Variant(" 12.5 ").toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(Variant("-3e2").toDouble(), -300);
    EXPECT_DOUBLE_EQ(Variant().toDouble(), 0);
    for (const char* text : {"abc", "", "inf", "nan", "0x1A", "1,5", "12.5.1"})
        EXPECT_EQ(errorNumberOf([&] { Variant(text).toDouble(); }), automation::errors::kTypeMismatch) << text;
}

TEST(Variant, null_converts_to_nothing_and_objects_only_to_objects) {
    EXPECT_EQ(errorNumberOf([] { Variant::null().toBool(); }), automation::errors::kInvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { Variant::null().toString(); }), automation::errors::kInvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { Variant(int16_t{1}).toObject(); }), automation::errors::kObjectRequired);
    EXPECT_EQ(Variant(automation::ObjectRef()).describe(), "NOTHING");
}

TEST(Variant, numbers_print_with_up_to_fifteen_significant_digits) {
    struct Row {
        double value;
        const char* text;
    };
    for (const Row& row : {Row{12.5, "12.5"}, Row{1000, "1000"}, Row{0.1, "0.1"}, Row{-0.0, "0"},
                           Row{1.0 / 3, "0.333333333333333"}, Row{1e20, "1E+20"}, Row{1e-5, "1E-05"},
                           Row{50.4, "50.4"}, Row{0.1 + 0.2, "0.3"}})
        EXPECT_EQ(automation::formatNumber(row.value), row.text) << row.value;
}
