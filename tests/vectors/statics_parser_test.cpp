#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "runtime/errors.h"
#include "vectors/statics_parser.h"

using namespace vec;
using PV = ParsedVector;

namespace {
const rt::Variant kEmpty;

// Compares fields by index: numbers to within 5E-4, texts and booleans
// exactly, an Empty expectation against an Empty field.
void Check(const char* text, std::initializer_list<std::pair<int, rt::Variant>> fields, int decimals = 3) {
    auto r = ParseStaticsVector(text, decimals);
    ASSERT_TRUE(r.ok()) << text << ": " << r.message();
    for (const auto& [i, want] : fields) {
        rt::Variant got = r->Field(i);
        if (want.IsNumber()) {
            ASSERT_TRUE(got.IsNumber()) << text << " field " << i << " is '" << got.ToText() << "'";
            EXPECT_NEAR(got.Number(), want.Number(), 5e-4) << text << " field " << i;
        } else {
            EXPECT_EQ(got, want) << text << " field " << i << " is '" << got.ToText() << "'";
        }
    }
}
}  // namespace

// clang-format off
TEST(StaticsVectorParser, KnownVectors) {
    Check("s34.5y, 9h", {{PV::kMag, 15.889656}, {PV::kDir, 124.5}, {PV::kX, -9.0}, {PV::kY, 13.095081},
                         {PV::kHour, 11}, {PV::kAlpha, "34.5"}, {PV::kFxText, -9.0}, {PV::kFyText, 13.095},
                         {PV::kMagText, "15.89"}, {PV::kArrowLabel, "15.89"}, {PV::kArrowColor, 0},
                         {PV::kFormatName, "cAe,C"}, {PV::kTailAtPoint, true}, {PV::kTermX, ""},
                         {PV::kMagSymbol, ""}, {PV::kDrawAngle, kEmpty}});
    Check("23,-45", {{PV::kMag, 50.537115}, {PV::kDir, -62.927920}, {PV::kX, 23.0}, {PV::kY, -45.0},
                     {PV::kHour, 5}, {PV::kAlpha, 27.072080}, {PV::kCoefX, 0}, {PV::kCoefY, 0},
                     {PV::kFxText, 23.0}, {PV::kFyText, -45.0}, {PV::kMagText, "50.537"},
                     {PV::kArrowLabel, "50.54"}, {PV::kFormatName, "Fx,Fy"}});
    Check("230<-34", {{PV::kMag, 230.0}, {PV::kDir, -34.0}, {PV::kX, 190.678642}, {PV::kY, -128.614368},
                      {PV::kHour, 4}, {PV::kAlpha, 34.0}, {PV::kFxText, 190.679}, {PV::kFyText, -128.614},
                      {PV::kMagText, "230"}, {PV::kArrowLabel, "230"}, {PV::kFormatName, "M<D"}});
    Check("p23x,12", {{PV::kMag, 12.0}, {PV::kDir, 23.0}, {PV::kX, 11.046058}, {PV::kY, 4.688774},
                      {PV::kHour, 2}, {PV::kAlpha, "23"}, {PV::kFxText, 11.046}, {PV::kFyText, 4.689},
                      {PV::kArrowLabel, "12"}, {PV::kArrowColor, 0}, {PV::kTailAtPoint, true},
                      {PV::kTypedText, "p23x,12"}, {PV::kFormatName, "cAe,M"}});
    Check("p23x,12:", {{PV::kMag, 12.0}, {PV::kX, 11.046058}, {PV::kTailAtPoint, false},
                       {PV::kTypedText, "p23x,12:"}, {PV::kFormatName, "cAe,M"}});
    Check("h-55", {{PV::kMag, 55.0}, {PV::kDir, 180.0}, {PV::kX, -55.0}, {PV::kY, 0.0}, {PV::kHour, 9},
                   {PV::kAlpha, 0.0}, {PV::kFxText, -55.0}, {PV::kFyText, "0"}, {PV::kMagText, "55"},
                   {PV::kArrowLabel, "55"}, {PV::kFormatName, "hCx"}});
    Check("v 2.5 ", {{PV::kMag, 2.5}, {PV::kDir, 90.0}, {PV::kX, 0.0}, {PV::kY, 2.5}, {PV::kHour, 12},
                     {PV::kFxText, "0"}, {PV::kFyText, 2.5}, {PV::kFormatName, "vCy"}});
    Check("u156", {{PV::kMag, 1.0}, {PV::kDir, 156.0}, {PV::kX, -0.913545}, {PV::kY, 0.406737},
                   {PV::kHour, 10}, {PV::kAlpha, 24.0}, {PV::kFxText, -0.914}, {PV::kFyText, 0.407},
                   {PV::kMagText, "1"}, {PV::kArrowLabel, "1"}, {PV::kFormatName, "uD"}});
    // The table's numbers follow the chosen decimals.
    Check("s34.5y, 9h", {{PV::kFyText, 13.1}, {PV::kMagText, "15.9"}, {PV::kArrowLabel, "15.89"}}, 1);
}

TEST(StaticsVectorParser, QuantitiesToBeSolvedFor) {
    const rt::Variant red = 255;
    Check("p30x,F", {{PV::kMag, kEmpty}, {PV::kX, kEmpty}, {PV::kY, kEmpty}, {PV::kDir, 30.0},
                     {PV::kHour, 2}, {PV::kCoefX, 0.866025}, {PV::kCoefY, 0.5}, {PV::kTermX, "F"},
                     {PV::kTermY, "F"}, {PV::kFxText, "0.866 F"}, {PV::kFyText, "0.5 F"},
                     {PV::kArrowLabel, "F"}, {PV::kArrowColor, red}, {PV::kMagSymbol, "F"},
                     {PV::kMagCoef, 1.0}, {PV::kMagText, "F"}});
    Check("p30x,fr", {{PV::kMagText, "fR"}, {PV::kTermX, "fr"}, {PV::kArrowLabel, "f!r"}});
    Check("10<q", {{PV::kMag, 10.0}, {PV::kDir, ""}, {PV::kHour, kEmpty}, {PV::kAlpha, kEmpty},
                   {PV::kX, kEmpty}, {PV::kTermX, "cos Q"}, {PV::kTermY, "sen Q"}, {PV::kCoefX, 10.0},
                   {PV::kCoefY, 10.0}, {PV::kFxText, "10 cos Q"}, {PV::kFyText, "10 sen Q"},
                   {PV::kArrowLabel, "10"}, {PV::kArrowColor, red}});
    Check("F<30", {{PV::kMag, kEmpty}, {PV::kDir, 30.0}, {PV::kHour, 2}, {PV::kAlpha, 30.0},
                   {PV::kCoefX, 0.866025}, {PV::kTermX, "F"}, {PV::kFxText, "0.866 F"},
                   {PV::kFyText, "0.5 F"}, {PV::kMagSymbol, "F"}, {PV::kArrowColor, red}});
    Check("2f1<q", {{PV::kMag, kEmpty}, {PV::kDir, ""}, {PV::kHour, kEmpty}, {PV::kCoefX, 2.0},
                    {PV::kCoefY, 2.0}, {PV::kTermX, "f1 cos Q"}, {PV::kTermY, "f1 sen Q"},
                    {PV::kFxText, "2 f1 cos Q"}, {PV::kFyText, "2 f1 sen Q"}, {PV::kArrowLabel, "2f!1"},
                    {PV::kMagCoef, 2.0}, {PV::kMagText, "2F1"}});
    Check("-2T,0", {{PV::kMag, kEmpty}, {PV::kDir, 180.0}, {PV::kHour, 9}, {PV::kAlpha, 0.0},
                    {PV::kCoefX, -2.0}, {PV::kTermX, "T"}, {PV::kFxText, "-2 T"}, {PV::kY, 0.0},
                    {PV::kFyText, 0.0}, {PV::kMagText, "2T"}, {PV::kArrowLabel, "2T,0"},
                    {PV::kArrowColor, red}});
    Check("0,-r", {{PV::kDir, -90.0}, {PV::kHour, 6}, {PV::kCoefY, -1.0}, {PV::kTermY, "R"},
                   {PV::kFyText, "-R"}, {PV::kMagText, "R"}, {PV::kArrowLabel, "0,R"}});
    Check("F1, 3.5T2:", {{PV::kDir, kEmpty}, {PV::kHour, kEmpty}, {PV::kFxText, "F1"},
                         {PV::kFyText, "3.5 T2"}, {PV::kMagText, "F1, 3.5T2"},
                         {PV::kArrowLabel, "F!1,3.5T!2"}, {PV::kTailAtPoint, false}});
    Check("h-2t", {{PV::kMag, kEmpty}, {PV::kDir, 180.0}, {PV::kHour, 9}, {PV::kCoefX, -2.0},
                   {PV::kTermX, "T"}, {PV::kMagSymbol, "T"}, {PV::kY, 0.0}, {PV::kFxText, "-2T"},
                   {PV::kFyText, "0"}, {PV::kMagText, "2T"}, {PV::kArrowLabel, "2T"}, {PV::kArrowColor, red}});
    // A comma between digits that no other format reads separates components.
    Check("F1,5", {{PV::kTermX, "F1"}, {PV::kFyText, 5.0}});
    // A friction symbol keeps its lower case in the table as in the equations.
    Check("h-f", {{PV::kCoefX, -1.0}, {PV::kTermX, "f"}, {PV::kFxText, "-f"}, {PV::kMagText, "f"}});
    Check("v2fr", {{PV::kCoefY, 2.0}, {PV::kTermY, "fr"}, {PV::kFyText, "2fr"}});
    Check("vRy", {{PV::kDir, 90.0}, {PV::kHour, 12}, {PV::kCoefY, 1.0}, {PV::kTermY, "Ry"},
                  {PV::kX, 0.0}, {PV::kFxText, "0"}, {PV::kFyText, "RY"}, {PV::kArrowLabel, "R!y"}});
    Check("uq1", {{PV::kMag, 1.0}, {PV::kDir, kEmpty}, {PV::kHour, kEmpty}, {PV::kCoefX, 1.0},
                  {PV::kTermX, "cos Q1"}, {PV::kTermY, "sen Q1"}, {PV::kFxText, "cos Q1"},
                  {PV::kArrowLabel, "1"}, {PV::kArrowColor, red}});
}

TEST(StaticsVectorParser, AxisDirectionsByQuadrantAreAccepted) {
    Check("s0x,12", {{PV::kDir, 180.0}, {PV::kHour, 10}, {PV::kX, -12.0}, {PV::kY, 0.0}, {PV::kFyText, 0.0}});
    Check("t0x,12", {{PV::kDir, -180.0}, {PV::kHour, 8}, {PV::kX, -12.0}});
    Check("s90y,12", {{PV::kDir, 180.0}, {PV::kHour, 11}, {PV::kAlpha, "90"}});
    Check("t90y,F", {{PV::kDir, -180.0}, {PV::kHour, 7}, {PV::kCoefX, -1.0}, {PV::kFxText, "-F"},
                     {PV::kFyText, "0"}});
    Check("t0x, 5h", {{PV::kMag, 5.0}, {PV::kDir, -180.0}, {PV::kX, -5.0}});
}

TEST(StaticsVectorParser, Refusals) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"h", "Falta el valor de la componente X."},
        {"h :", "Falta el valor de la componente X."},
        {"v", "Falta el valor de la componente Y."},
        {"u", "Falta el valor del ángulo."},
        {"10<2q", "No se permiten factores para el ángulo."},
        {"10<-q", "No se permiten factores para el ángulo."},
        {"u2q", "No se permiten factores para el ángulo."},
        {"h0", "Magnitud negativa o cero."},
        {"v0", "Magnitud negativa o cero."},
        {"0,0", "Magnitud negativa o cero."},
        {"-5<30", "Magnitud negativa o cero."},
        {"p30x,-F", "Magnitud negativa o cero."},
        {"p30x,-3", "Magnitud negativa o cero."},
        {"5<200", "La dirección debe estar entre -180° y 180°."},
        {"u-181", "La dirección debe estar entre -180° y 180°."},
        {"F123<30", "El símbolo debe constar de una literal y uno o dos subíndices."},
        {"F123,5", "El símbolo debe constar de una literal y uno o dos subíndices. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5)."},
        {"v-100,5", "El símbolo debe constar de una literal y uno o dos subíndices. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5)."},
        {"5,F123", "El símbolo debe constar de una literal y uno o dos subíndices entre 0 y 9."},
        {"p30x,F123", "El símbolo debe constar de una literal y uno o dos subíndices."},
        {"hF123", "El símbolo debe constar de una literal y uno o dos subíndices."},
        {"-F<30", "La magnitud no debe tener signo negativo en este formato."},
        {"p90x,5h", "El ángulo no debe ser 90° ó -90°."},
        {"p0y, 5h", "El ángulo no debe ser 90° ó -90°."},
        {"c90x, 5v", "El ángulo no debe ser 90° ó -90°."},
        {"pqx,5", "En este formato el ángulo debe conocerse."},
        {"p-5x,5", "En este formato el ángulo debe ser positivo."},
        {"p95x,5h", "En este formato el ángulo debe estar entre 0° y 90°."},
        {"p30x,", "Falta un elemento en el formato."},
        {"5<", "Falta un elemento en el formato."},
        {"<30", "Falta un elemento en el formato."},
        // An empty or a bare-sign component has no symbol to solve for.
        {",5", "Falta un elemento en el formato."},
        {"5,", "Falta un elemento en el formato."},
        {" , ", "Falta un elemento en el formato."},
        {"-,5", "Falta un elemento en el formato."},
        {"h-", "Falta el valor de la componente X."},
        {"u-", "Falta el valor del ángulo."},
        {"230<-34;5", "Formato incorrecto."},
        {"3,41,2", "Formato incorrecto. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5)."},  // two vectors run together, or a decimal comma
        // Read two ways: an unknown V2 in x with Fy = 5, or 2.5 up.
        {"v2,5", "No sé si la coma de \"v2,5\" es decimal o separa las dos componentes. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5). Si separa las componentes, deja un espacio tras ella (v2, 5)."},
        {"U1,5", "No sé si la coma de \"U1,5\" es decimal o separa las dos componentes. Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5). Si separa las componentes, deja un espacio tras ella (U1, 5)."},
        {"F<30<2:", "Formato incorrecto."},
        // Letters of the notation in upper case: the refusal says how to write them.
        {"H5", "Inventaste un nuevo formato. Las letras del formato (p, s, t, c, x, y, h, v, u) se escriben en minúscula."},
        {"P30X,10", "El símbolo debe constar de una literal y uno o dos subíndices. Las letras del formato (p, s, t, c, x, y, h, v, u) se escriben en minúscula."},
        {"1.2.3F<30", "Error en la especificación del vector."},
        {"p1x,2-F", "Error en la especificación del vector."},
        {"p x,5h", "En este formato el ángulo debe conocerse."},
        {"5<1E400", "Error en la especificación del vector."},
        {"1E200,1E200", "Error en la especificación del vector."},
        // Along x a vertical size divides by a zero tangent, also at 180.
        {"p0x, 5v", "Error en la especificación del vector."},
        {"t0x, 5v", "Error en la especificación del vector."},
    };
    for (const auto& c : cases) {
        auto r = ParseStaticsVector(c.text);
        EXPECT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.message(), c.message) << c.text;
        EXPECT_THROW((void)r->Mag, rt::ProgramFault) << c.text;
    }
}

// Numbers are read as the number boxes read them, in every place of every
// format; a number split by a blank is refused, not read as a symbol.
TEST(StaticsVectorParser, NumbersWithAnExponentOrTheMinusSignAreNumbers) {
    Check("v-1e2", {{PV::kY, -100.0}, {PV::kFyText, -100.0}, {PV::kTermY, ""}, {PV::kArrowColor, 0}});
    Check("v\u22121e2:", {{PV::kY, -100.0}, {PV::kTypedText, "v\u22121e2:"}, {PV::kTailAtPoint, false}});
    Check("p30x,1e2", {{PV::kMag, 100.0}, {PV::kFxText, 86.603}, {PV::kMagSymbol, ""}});
    Check("p3e1x, 1e1h", {{PV::kDir, 30.0}, {PV::kAlpha, "3E1"}, {PV::kX, 10.0}, {PV::kFormatName, "cAe,C"}});
    Check("1e2,\u22125", {{PV::kX, 100.0}, {PV::kY, -5.0}, {PV::kCoefX, 0}});
    Check("\u22122F,0", {{PV::kCoefX, -2.0}, {PV::kTermX, "F"}, {PV::kFxText, "-2 F"}});
    Check("1e1<\u221290", {{PV::kMag, 10.0}, {PV::kDir, -90.0}});
    Check("u\u22129e1", {{PV::kDir, -90.0}});
    Check("2e<30", {{PV::kMagSymbol, "E"}, {PV::kMagCoef, 2.0}});  // no exponent digits: a symbol
    const std::string blank = "Un número no lleva espacios en medio.";
    for (const char* split : {"v-1 000", "p30x,1 0", "p3 0x,5", "1 0<30", "-2 e5<30"})
        EXPECT_EQ(ParseStaticsVector(split).message(), blank) << split;
    for (const char* split : {"1 000,0", "5,1 0"})
        EXPECT_EQ(ParseStaticsVector(split).message(), blank + " Si es una coma decimal, escribe los decimales con punto (2.5, no 2,5).") << split;
    EXPECT_EQ(ParseStaticsVector("h1e309").message(), "Error en la especificación del vector.");
}

TEST(StaticsVectorParser, FieldsInRecordOrder) {
    auto r = ParseStaticsVector("p30x,F:");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->Field(13), rt::Variant(false));
    EXPECT_EQ(r->Field(14), rt::Variant(255));
    EXPECT_EQ(r->Field(15), rt::Variant("p30x,F:"));
    EXPECT_EQ(r->Field(19), rt::Variant("cAe,M"));
    EXPECT_EQ(r->Field(20), rt::Variant("F"));
    EXPECT_THROW(r->Field(21), rt::ProgramFault);
}
// clang-format on
