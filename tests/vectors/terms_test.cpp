#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "vectors/terms.h"

using namespace vec;

TEST(StaticsTerms, SplitsCoefficientAndSymbol) {
    struct Case {
        const char* term;
        double coef;
        const char* symbol;
    };
    const Case cases[] = {
        {"-F", -1, "F"}, {"2.5t12", 2.5, "T12"}, {"fr", 1, "fr"}, {"F", 1, "F"},         {"-2F1", -2, "F1"},
        {"+F", 1, "+F"}, {" 3 q ", 3, "Q"},      {"12", 12, ""},  {"-.5ñb", -0.5, "Ñb"}, {"", 1, ""},
    };
    for (const auto& c : cases) {
        SignedCoef s = ParseSignedCoef(c.term);
        EXPECT_EQ(s.coef, c.coef) << c.term;
        EXPECT_EQ(s.symbol, c.symbol) << c.term;
    }
    EXPECT_THROW(ParseSignedCoef("1.2.3F"), rt::RuntimeError);
    EXPECT_THROW(ParseSignedCoef("2-F"), rt::RuntimeError);
}

TEST(StaticsTerms, CoefficientTimesSymbolAsTableText) {
    EXPECT_EQ(FormatCoefSymbol(1e-9, "F"), "0");
    EXPECT_EQ(FormatCoefSymbol(-1, "T"), "-T");
    EXPECT_EQ(FormatCoefSymbol(1, "T"), "T");
    EXPECT_EQ(FormatCoefSymbol(2.5, "F"), "2.5 F");
    EXPECT_EQ(FormatCoefSymbol(-2, "cos Q"), "-2 cos Q");
    EXPECT_EQ(FormatCoefSymbol(0.8660254037844, "F"), "0.866 F");
    EXPECT_EQ(FormatCoefSymbol(0.8660254037844, "F", 1), "0.9 F");
    EXPECT_EQ(FormatCoefSymbol(0.0625, "F"), "0.062 F");  // halves go to even
}

TEST(StaticsTerms, TermAsFormulaMarkup) {
    struct Case {
        double a;
        const char* b;
        const char* want;
    };
    const Case cases[] = {
        {-2, "F1", "2F!1"},     {1, "fx", "f!x"}, {3, "RAB", "3R!A!B"}, {1, "cos Q1", " cos Q!1"},
        {5, "cos Q", "5cos Q"}, {1, "Fx", "F!x"}, {-1, "ty", "T!y"},    {2, "sen ABC", "2 sen A!B!C"},
        {0.5, "t", "0.5T"},     {1, "F123", ""},  {1, "cos ", ""},      {1, "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatTrigTerm(c.a, c.b), c.want) << c.a << " " << c.b;
}

TEST(StaticsTerms, DedupeKeepsFirstFormOfEveryEntry) {
    std::vector<rt::Variant> arr = {"B", "a", "b", "A", "C"};
    EXPECT_EQ(DedupeArray(arr), 3);
    std::vector<rt::Variant> want = {"B", "a", "C", "", ""};
    EXPECT_EQ(arr, want);

    // The first element takes part like any other, and numbers compare by text.
    std::vector<rt::Variant> mixed = {1.0, "x", "1", 2.5, "X", "2.5", "é", "É"};
    EXPECT_EQ(DedupeArray(mixed), 4);
    std::vector<rt::Variant> wantMixed = {1.0, "x", 2.5, "é", "", "", "", ""};
    EXPECT_EQ(mixed, wantMixed);

    std::vector<std::string> letters = {"A", "B", "A", "C", "B"};
    EXPECT_EQ(DedupeArray(letters), 3);
    EXPECT_EQ(letters, (std::vector<std::string>{"A", "B", "C", "", ""}));
}
