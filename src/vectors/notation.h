#pragma once
// The text notation of plane vectors and forces, its seven formats, the
// messages with which the parsers refuse a text, and the result type of the
// parsers.
//
// Formats (c quadrant letter p/s/t/c, A acute angle, e axis letter x/y,
// C component, M magnitude, D direction in degrees):
//   "cAe,C"  s34.5y, 9h   direction by quadrant, size of the x ("h") or y ("v")
//                         component; both signs follow from the quadrant
//   "cAe,M"  p23x,12      direction by quadrant and magnitude
//   "Fx,Fy"  23,-45       the two components
//   "M<D"    230<-34      magnitude and direction ("230;-34" is the same)
//   "hCx"    h-55         along the x axis
//   "vCy"    v0.24        along the y axis
//   "uD"     u156         unit vector of a direction
// The statics parser also takes symbols (quantities to be solved for) in
// place of numbers, and a trailing ":" for an arrow that ends at its point.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/errors.h"
#include "runtime/outcome.h"

namespace vec {

enum class VectorFormat {
    None,
    QuadrantComponent,   // "cAe,C"
    QuadrantMagnitude,   // "cAe,M"
    Components,          // "Fx,Fy"
    MagnitudeDirection,  // "M<D"
    AlongX,              // "hCx"
    AlongY,              // "vCy"
    Unit,                // "uD"
};

// The format's name as users and callers know it ("cAe,C", ...; "" for None).
std::string_view FormatName(VectorFormat f);

// Messages of the notation, exactly as shown to the user.
namespace msg {
inline constexpr const char* kSpecError = "Error en la especificación del vector.";
inline constexpr const char* kBadFormat = "Formato incorrecto.";
inline constexpr const char* kNewFormat = "Inventaste un nuevo formato";
inline constexpr const char* kUnknownFormat = "Formato desconocido.";
inline constexpr const char* kMissingElement = "Falta un elemento en el formato.";
inline constexpr const char* kAngleMustBeKnown = "En este formato el ángulo debe conocerse.";
inline constexpr const char* kAngleMustBePositive = "En este formato el ángulo debe ser positivo.";
inline constexpr const char* kAngleOutOfQuadrant = "En este formato el ángulo debe estar entre 0° y 90°.";
inline constexpr const char* kMissingX = "Falta el valor de la componente X.";
inline constexpr const char* kMissingY = "Falta el valor de la componente Y.";
inline constexpr const char* kMissingAngle = "Falta el valor del ángulo.";
inline constexpr const char* kNegativeAngle = "Ángulo negativo.";
inline constexpr const char* kDirectionRange = "La dirección debe estar entre -180° y 180°.";
inline constexpr const char* kMagnitudeNotPositive = "Magnitud negativa o cero.";
inline constexpr const char* kAngleIs90 = "El ángulo no debe ser 90° ó -90°.";
inline constexpr const char* kNegativeMagnitudeSign = "La magnitud no debe tener signo negativo en este formato.";
inline constexpr const char* kAngleFactor = "No se permiten factores para el ángulo.";
inline constexpr const char* kSymbolTooLong = "El símbolo debe constar de una literal y uno o dos subíndices.";
inline constexpr const char* kSymbolTooLongDigits =
    "El símbolo debe constar de una literal y uno o dos subíndices entre 0 y 9.";
inline constexpr const char* kBlankInNumber = "Un número no lleva espacios en medio.";
}  // namespace msg

// Numbers in vector texts are read as the number boxes read them: an
// optional sign ("-", "+" or the minus sign U+2212 that the program prints),
// digits with at most one point, and an optional exponent "e" or "E" ("1e2"
// is 100). A part never holds a decimal comma: the comma separates parts.

// The number a part holds, in the program's own text ("-1e2" -> "-1E2"), or
// nullopt when the part is no number. Blanks around the part are allowed.
std::optional<std::string> VectorNumberText(std::string_view part);

// The value of such a part; nullopt when it is no number. A number too large
// for a double raises rt::RuntimeError (Overflow).
std::optional<double> ReadVectorNumber(std::string_view part);

// True for a part that is no number but would be one without the blanks
// inside it ("1 000", "-2 e5"): a number split by a blank, not a symbol.
bool IsNumberWithBlank(std::string_view part);

// What a refusal adds for a text that its letters in lower case would make
// readable ("P30X,10", "H5").
inline constexpr std::string_view kLowerCaseHint =
    "Las letras del formato (p, s, t, c, x, y, h, v, u) se escriben en minúscula.";

// The text with the letters A to Z in lower case.
std::string AsciiLower(std::string_view text);

// The message with which a vector text is refused, with the decimal-comma
// hint after it when a comma between digits in the text may be a decimal
// comma (not when the text is just two numbers around one comma, the
// components of "Fx,Fy"), and the lower-case hint when the text has
// upper-case letters and would be read with them in lower case
// (`lowerCaseReads`, which the parser finds out).
std::string RefusalText(std::string message, std::string_view text, bool lowerCaseReads = false);

// What IdentifyVectorFormat finds in a text.
//   comma formats: part1/part2 the trimmed texts before the first "," and
//                  between it and the next; part3/part4 the first and last
//                  characters of part1
//   "M<D":         part1/part2 around the first separator (and up to the next)
//   "hCx" "vCy" "uD": part2 everything after the letter, not trimmed
// Parts a format does not use stay empty.
struct VectorFormatInfo {
    VectorFormat format = VectorFormat::None;
    std::string formatName;  // empty when errMsg is set
    std::string errMsg;      // empty on success
    std::string part1, part2, part3, part4;
    bool noColon = true;  // false when the text ended with ":" (removed)
};

// Classifies a text. Refusals: "Formato incorrecto." for two different
// separators among ",", ";", "<", or for a separator that occurs twice (a
// text of three parts); "Inventaste un nuevo formato" when nothing
// fits. The text is not trimmed as a whole: a leading blank hides "h", "v", "u".
// A minus sign U+2212 is read as "-" and the parts hold "-".
VectorFormatInfo IdentifyVectorFormat(std::string_view text);

// Result of a parser: the value, or the refusal with its message.
template <class T>
using ParseResult = rt::Outcome<T>;

}  // namespace vec
