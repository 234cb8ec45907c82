// The reader of fields that hold one number: the decimal comma and the
// exponent form are read, never dropped; anything else is not a number.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime/errors.h"
#include "runtime/numtext.h"

namespace {

TEST(SingleNumber, DecimalCommaAndExponentGiveTheNumberNotAnotherOne) {
    struct {
        const char* typed;
        const char* text;
        double value;
    } cases[] = {
        {"2,5", "2.5", 2.5},       {" -1,5 ", "-1.5", -1.5}, {",5", ".5", 0.5},
        {"3,", "3.", 3},           {"1e3", "1E3", 1000},     {"1e-3", "1E-3", 0.001},
        {"2,5E+2", "2.5E+2", 250}, {"+7", "+7", 7},          {"0.25", "0.25", 0.25},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rt::SingleNumberText(c.typed), std::optional<std::string>(c.text)) << c.typed;
        EXPECT_DOUBLE_EQ(rt::ReadSingleNumber(c.typed).value_or(-999), c.value) << c.typed;
    }
}

TEST(SingleNumber, TextsThatAreNotOneNumberAreLeftAlone) {
    // Two separators, a component list, relational data, formulas and the
    // half-typed exponent are no single number.
    for (const char* t : {"", " ", "-", ",", "1,2,3", "1.5,2", "3,4;5", "t0+2,5", "x1*2", "2*3", "1e", "1e-", "e3",
                          "1d3", "g", "2 5"}) {
        EXPECT_EQ(rt::SingleNumberText(t), std::nullopt) << t;
        EXPECT_EQ(rt::ReadSingleNumber(t), std::nullopt) << t;
    }
    EXPECT_THROW(rt::ReadSingleNumber("1e999"), rt::RuntimeError);
}

}  // namespace
