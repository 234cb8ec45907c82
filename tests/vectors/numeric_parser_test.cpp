#include <gtest/gtest.h>

#include "runtime/errors.h"
#include "vectors/numeric_parser.h"

using namespace vec;

namespace {
struct Expect {
    const char* text;
    double mag, dir, x, y;
    int hour;
    double alpha;
    const char* alphaText;  // the typed angle of the quadrant formats
};

void Check(const Expect& e) {
    auto r = ParseNumericVector(e.text);
    ASSERT_TRUE(r.ok()) << e.text << ": " << r.message();
    EXPECT_EQ(r.message(), "");
    const VectorSpec& v = r.value();
    EXPECT_NEAR(v.Mag, e.mag, 5e-4) << e.text;
    EXPECT_NEAR(v.Dir, e.dir, 5e-4) << e.text;
    EXPECT_NEAR(v.X, e.x, 5e-4) << e.text;
    EXPECT_NEAR(v.Y, e.y, 5e-4) << e.text;
    EXPECT_EQ(v.Hour, e.hour) << e.text;
    if (e.alphaText) {
        EXPECT_EQ(v.Alpha, rt::Variant(e.alphaText)) << e.text;
    } else {
        ASSERT_TRUE(v.Alpha.IsNumber()) << e.text;
        EXPECT_NEAR(v.Alpha.Number(), e.alpha, 5e-4) << e.text;
    }
}
}  // namespace

TEST(NumericVectorParser, ReadsEveryFormat) {
    const Expect cases[] = {
        {"p23x,12", 12, 23, 11.046058, 4.688774, 2, 0, "23"},
        {"s34.5y, 9h", 15.889656, 124.5, -9, 13.095081, 11, 0, "34.5"},
        {"t45x, 12h", 16.970563, -135, -12, -12, 8, 0, "45"},
        {"c36.87x, 10v", 16.666627, -36.87, 13.333284, -10, 4, 0, "36.87"},
        {"c36.87x, -10v", 16.666627, -36.87, 13.333284, -10, 4, 0, "36.87"},  // sign of the size ignored
        {"p100x,3h", 17.276311, 100, -3, 17.013820, 2, 0, "100"},             // the angle may pass 90 here
        {"  23 , -45 ", 50.537115, -62.927920, 23, -45, 5, 27.072080, nullptr},
        {"230<-34", 230, -34, 190.678642, -128.614368, 4, 34, nullptr},
        {"230;-34", 230, -34, 190.678642, -128.614368, 4, 34, nullptr},
        {"-5<30", -5, 30, -4.330127, -2.5, 8, 30, nullptr},  // a negative magnitude is taken as typed
        {"h-55", 55, 180, -55, 0, 9, 0, nullptr},
        {"h 7.5", 7.5, 0, 7.5, 0, 3, 0, nullptr},
        {"v0.24", 0.24, 90, 0, 0.24, 12, 0, nullptr},
        {"v-3", 3, -90, 0, -3, 6, 0, nullptr},
        {"h0", 0, 0, 0, 0, 3, 0, nullptr},
        {"u156", 1, 156, -0.913545, 0.406737, 10, 24, nullptr},
        {"u-180", 1, -180, -1, 0, 9, 0, nullptr},
        {"5<180", 5, 180, -5, 0, 9, 0, nullptr},
        // The minus sign the program prints and an exponent are read as such.
        {"h\u221255", 55, 180, -55, 0, 9, 0, nullptr},
        {"\u22123e0 , 4", 5, 126.869898, -3, 4, 11, 36.869898, nullptr},
        {"c36.87x, \u221210v", 16.666627, -36.87, 13.333284, -10, 4, 0, "36.87"},
    };
    for (const auto& c : cases) Check(c);
}

TEST(NumericVectorParser, AxisDirectionsByQuadrantAreAccepted) {
    const Expect cases[] = {
        {"s0x,12", 12, 180, -12, 0, 10, 0, "0"},   {"t0x,12", 12, -180, -12, 0, 8, 0, "0"},
        {"s90y,12", 12, 180, -12, 0, 11, 0, "90"}, {"t90y,12", 12, -180, -12, 0, 7, 0, "90"},
        {"p0x,12", 12, 0, 12, 0, 2, 0, "0"},       {"t0x, 5h", 5, -180, -5, 0, 8, 0, "0"},
    };
    for (const auto& c : cases) Check(c);
    // Exactly -180 and 180, not a hair beyond: the range check must not fire.
    EXPECT_EQ(ParseNumericVector("t0x,12")->Dir, -180);
    EXPECT_EQ(ParseNumericVector("s90y,12")->Dir, 180);
}

TEST(NumericVectorParser, Refusals) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "Formato desconocido."},
        {"   ", "Formato desconocido."},
        {"5", "Formato desconocido."},
        {"x5", "Formato desconocido."},
        {"h", "Falta el valor de la componente X."},
        {"v  ", "Falta el valor de la componente Y."},
        {"u", "Falta el valor del ángulo."},
        {"p23x,", "Falta un elemento en el formato."},
        {",5", "Falta un elemento en el formato."},
        {"5<", "Falta un elemento en el formato."},
        {";30", "Falta un elemento en el formato."},
        {"pqx,5", "En este formato el ángulo debe conocerse."},
        {"p-5x,5", "En este formato el ángulo debe ser positivo."},
        {"p95x,5", "En este formato el ángulo debe estar entre 0° y 90°."},
        {"p-5x, 3h", "Ángulo negativo."},
        {"5<200", "La dirección debe estar entre -180° y 180°."},
        {"u-180.5", "La dirección debe estar entre -180° y 180°."},
        {"p300x, 2h", "La dirección debe estar entre -180° y 180°."},
        // A direction along y cannot come from the size of one component.
        {"p0y, 5h", "Formato incorrecto."},
        {"c90x, 5v", "Formato incorrecto."},
        {"s0y,2v", "Formato incorrecto."},
        // Along x a vertical size divides by a zero tangent, also at 180.
        {"p0x, 5v", "Error en la especificación del vector."},
        {"t0x, 5v", "Error en la especificación del vector."},
        {"s90y, 5v", "Error en la especificación del vector."},
        // A size in h or v after something that is no quadrant part.
        {"2x,5h", "Formato desconocido."},
        {"x23p,5v", "Formato desconocido."},
        {"a,b", "Error en la especificación del vector."},
        // A comma between digits may be a decimal comma, unless it only parts
        // two numbers.
        {"1,2<3",
         "Error en la especificación del vector. Si es una coma decimal, escribe los decimales con punto (2.5, no "
         "2,5)."},
        {"20<2,5",
         "Error en la especificación del vector. Si es una coma decimal, escribe los decimales con punto (2.5, no "
         "2,5)."},
        {"P30X,10",
         "Error en la especificación del vector. Las letras del formato (p, s, t, c, x, y, h, v, u) se escriben en "
         "minúscula."},
        {"h2,5",
         "Error en la especificación del vector. Si es una coma decimal, escribe los decimales con punto (2.5, no "
         "2,5)."},
        {"p23x,F", "Error en la especificación del vector."},
        {"p x,5h", "Error en la especificación del vector."},
        {"h5:", "Error en la especificación del vector."},
        {"5<1e400", "Error en la especificación del vector."},
        {"1e200,1e200", "Error en la especificación del vector."},
    };
    for (const auto& c : cases) {
        auto r = ParseNumericVector(c.text);
        EXPECT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.message(), c.message) << c.text;
    }
}

// A third part used to be ignored, so two vectors run together (3,4 then
// 1,2 typed into one box) were read as the vector (3, 41).
TEST(NumericVectorParser, MorePartsThanTheFormatHasAreRefusedNotReadInPart) {
    const std::string refused = "Formato incorrecto.";
    const std::string hinted = refused + " Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5).";
    const struct {
        const char* text;
        const std::string& message;
    } cases[] = {
        {"3,41,2", hinted},     {"  23 , -45 ,9 ", refused}, {"p23x,12,5", hinted}, {"s34.5y, 9h,2", refused},
        {"230<-34<5", refused}, {"230;-34;5", refused},      {"1,2,", hinted},
    };
    for (const auto& c : cases) {
        auto r = ParseNumericVector(c.text);
        EXPECT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.message(), c.message) << c.text;
    }
}

// A refusal read as bad input is a run-time error for the handler's message;
// read as if it were a value, it is a fault of the program.
TEST(NumericVectorParser, ARefusalIsBadInputOnlyWhenReadAsSuch) {
    auto r = ParseNumericVector("h");
    EXPECT_THROW((void)r.ValueOrBadInput(), rt::RuntimeError);
    EXPECT_THROW((void)r->X, rt::ProgramFault);
    auto ok = ParseNumericVector("3,4");
    ASSERT_TRUE(ok.ok());
    EXPECT_EQ(ok->Field(VectorSpec::kMag), rt::Variant(5.0));
    EXPECT_EQ(ok->Field(VectorSpec::kHour), rt::Variant(1));
    EXPECT_THROW(ok->Field(6), rt::ProgramFault);
}
