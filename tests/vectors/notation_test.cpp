#include <gtest/gtest.h>

#include "vectors/notation.h"

using namespace vec;

TEST(VectorNotation, IdentifiesFormatsAndParts) {
    struct Case {
        const char* text;
        const char* format;
        const char* p1;
        const char* p2;
        const char* p3;
        const char* p4;
        bool noColon;
    };
    const Case cases[] = {
        {"p23x,12", "cAe,M", "p23x", "12", "p", "x", true},
        {"p23x,12h", "cAe,C", "p23x", "12h", "p", "x", true},
        {"s34.5y, 9h", "cAe,C", "s34.5y", "9h", "s", "y", true},
        {"p2x,12", "cAe,M", "p2x", "12", "p", "x", true},
        {"p23x, 9 h", "cAe,M", "p23x", "9 h", "p", "x", true},  // "9 " is no number
        {"x23p,12", "Fx,Fy", "x23p", "12", "x", "p", true},
        {"px,12h", "Fx,Fy", "px", "12h", "p", "x", true},
        {"q23x,5", "Fx,Fy", "q23x", "5", "q", "x", true},
        {"pé,5", "Fx,Fy", "pé", "5", "p", "é", true},
        {",", "Fx,Fy", "", "", "", "", true},
        {"230;-34", "M<D", "230", "-34", "", "", true},
        {"230 < -34:", "M<D", "230", "-34", "", "", false},
        {"h-55:", "hCx", "", "-55", "", "", false},
        {"h-55", "hCx", "", "-55", "", "", true},
        {"v 0.24", "vCy", "", " 0.24", "", "", true},
        {"u156", "uD", "", "156", "", "", true},
        {"h", "hCx", "", "", "", "", true},
    };
    for (const auto& c : cases) {
        VectorFormatInfo f = IdentifyVectorFormat(c.text);
        EXPECT_EQ(f.errMsg, "") << c.text;
        EXPECT_EQ(f.formatName, c.format) << c.text;
        EXPECT_EQ(FormatName(f.format), c.format) << c.text;
        EXPECT_EQ(f.part1, c.p1) << c.text;
        EXPECT_EQ(f.part2, c.p2) << c.text;
        EXPECT_EQ(f.part3, c.p3) << c.text;
        EXPECT_EQ(f.part4, c.p4) << c.text;
        EXPECT_EQ(f.noColon, c.noColon) << c.text;
    }
}

// A third part (" 1 , 2 ,3", "230 < -34 <7:") used to be ignored; two
// vectors run together are now refused instead of read in part.
TEST(VectorNotation, RefusesMixedSeparatorsThirdPartsInsteadOfIgnoringThemAndUnknownForms) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"230<-34;5", "Formato incorrecto."},     {"3,4<5", "Formato incorrecto."},
        {"3;4,5", "Formato incorrecto."},         {" 1 , 2 ,3", "Formato incorrecto."},
        {"230 < -34 <7:", "Formato incorrecto."}, {"230;-34;", "Formato incorrecto."},
        {"p30x,T1,2", "Formato incorrecto."},     {"H5", "Inventaste un nuevo formato"},
        {" h5", "Inventaste un nuevo formato"},   {"5", "Inventaste un nuevo formato"},
        {"", "Inventaste un nuevo formato"},      {":", "Inventaste un nuevo formato"},
    };
    for (const auto& c : cases) {
        VectorFormatInfo f = IdentifyVectorFormat(c.text);
        EXPECT_EQ(f.errMsg, c.message) << c.text;
        EXPECT_EQ(f.formatName, "") << c.text;
        EXPECT_EQ(f.format, VectorFormat::None) << c.text;
    }
}
