#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "vectors/clockangle.h"

using namespace vec;

TEST(ClockAngle, AngleBoxAfterAPick) {
    struct {
        int hour;
        bool corner;
        const char* box;
        const char* want;
    } cases[] = {
        {3, false, "25", "0"}, {12, false, "x", "0"},  // axis hours never read the box
        {2, true, "12", "45"}, {8, true, "0", "45"},   // corners
        {1, false, "0", "30"}, {1, false, " 0 ", "30"}, {11, false, "12", "12"}, {5, false, "-3", "-3"},
    };
    for (auto c : cases) EXPECT_EQ(AngleTextAfterPick(c.hour, c.corner, c.box), c.want) << c.box;
    EXPECT_THROW(AngleTextAfterPick(1, false, "abc"), rt::RuntimeError);
    EXPECT_THROW(AngleTextAfterPick(1, false, ""), rt::RuntimeError);
}

TEST(ClockAngle, StepsStayBelowNinetyWithNoLowerLimit) {
    struct {
        const char* box;
        const char* step;
        const char* want;
    } cases[] = {
        {"85", "10", "85"},  {"80", "10", "80"},    {"79", "10", "89"},    {"3", "-5", "-2"},
        {"0.1", "2", "2.1"}, {"-10", "-10", "-20"}, {"89.5", "1", "89.5"},
    };
    for (auto c : cases) EXPECT_EQ(SteppedAngleText(c.box, c.step), c.want) << c.box << c.step;
    EXPECT_THROW(SteppedAngleText("diez", "1"), rt::RuntimeError);
}

TEST(ClockAngle, ArcTangentOfAnExpression) {
    struct {
        const char* typed;
        const char* angle;
        const char* message;
    } cases[] = {
        {"2/5", "21.801", ""},
        {" 1 ", "45", ""},
        {"-1", "-45", ""},
        {"r(3)", "60", ""},
        {"0", "0", ""},
        {"1E300*1E300", "", "Error en la expresión."},  // overflow while evaluating
        {"1/0", "", "Error en la expresión."},
        {"X", "", "Error en la expresión."},  // a variable has no value here
        {"", "", "Expresión  incorrecta."},
        {" 2/ ", "", "Expresión  2/  incorrecta."},
        {"2*)", "", "Expresión 2*) incorrecta."},
    };
    for (auto c : cases) {
        const rt::Outcome<std::string> r = ArcTanAngleText(c.typed);
        EXPECT_EQ(r.ok(), *c.message == '\0') << c.typed;
        EXPECT_EQ(r.ok() ? *r : "", c.angle) << c.typed;
        EXPECT_EQ(r.message(), c.message) << c.typed;
    }
}
