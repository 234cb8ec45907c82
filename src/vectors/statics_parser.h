#pragma once
// Reader of force and separation-vector texts for the statics workspaces:
// numbers where the vector is known, symbols for the quantities to be solved
// for, and a trailing ":" for an arrow whose tip is at the point.
#include <string_view>

#include "runtime/colors.h"
#include "runtime/variant.h"
#include "vectors/notation.h"

namespace vec {

// A force as the statics code needs it. Fields that may be unknown are
// variants, Empty when the text leaves them open. Index order (Field, and
// fields 1..21 of the force records, field k = index k - 1):
//  0 Mag, 1 Dir, 2 X, 3 Y, 4 Hour, 5 Alpha, 6 CoefX, 7 TermX, 8 CoefY, 9 TermY,
// 10 FxText, 11 FyText, 12 DrawAngle, 13 TailAtPoint, 14 ArrowColor,
// 15 TypedText, 16 MagSymbol, 17 MagCoef, 18 MagText, 19 FormatName, 20 ArrowLabel.
struct ParsedVector {
    enum Index : int {
        kMag = 0,
        kDir,
        kX,
        kY,
        kHour,
        kAlpha,
        kCoefX,
        kTermX,
        kCoefY,
        kTermY,
        kFxText,
        kFyText,
        kDrawAngle,
        kTailAtPoint,
        kArrowColor,
        kTypedText,
        kMagSymbol,
        kMagCoef,
        kMagText,
        kFormatName,
        kArrowLabel,
        kCount
    };

    rt::Variant Mag;  // magnitude when known
    // Direction in degrees (-180 to 180) when known; the empty text when the
    // direction is a symbol in "M<D".
    rt::Variant Dir;
    rt::Variant X;  // components when known
    rt::Variant Y;
    rt::Variant Hour;  // clock hour 1..12 when the direction is known
    // Acute angle from the hour's axis; the typed angle (text) in the
    // quadrant formats.
    rt::Variant Alpha;
    double CoefX = 0;   // coefficient of the unknown in the x equation
    std::string TermX;  // its term: "F", "cos Q", "F cos Q"; "" when none
    double CoefY = 0;
    std::string TermY;  // "sen" where TermX has "cos"
    // Texts of the force table's Fx and Fy columns: the component rounded to
    // the decimals (a number), or the symbolic component as plain text.
    rt::Variant FxText;
    rt::Variant FyText;
    // Drawing direction of a force whose direction is unknown; the parser
    // leaves it Empty, the statics code fills it.
    rt::Variant DrawAngle;
    bool TailAtPoint = true;               // false when the text ended with ":"
    rt::ColorRef ArrowColor = rt::kBlack;  // red when the text holds a symbol
    std::string TypedText;                 // the text as given, ":" included
    std::string MagSymbol;                 // symbol of an unknown magnitude or component
    double MagCoef = 0;                    // coefficient of a symbolic magnitude
    std::string MagText;                   // magnitude as text, upper case but a leading "f"
    std::string FormatName;                // "cAe,C", "cAe,M", "Fx,Fy", "M<D", "hCx", "vCy", "uD"
    std::string ArrowLabel;                // formula markup: magnitude to 2 decimals or the symbolic term

    // Field by index (see above); an index outside 0..20 is a program
    // fault.
    rt::Variant Field(int i) const;
};

// Reads a force text. Numbers are read as the number boxes read them (an
// exponent "1e2", the minus sign U+2212); a number split by a blank ("1 000")
// is refused. Numbers shown in the table are rounded to `decimals` places. A refusal carries one of the notation's
// messages; a coefficient or number that does not convert, or an arithmetic fault, gives "Error en la especificación
// del vector.". A comma between digits that may be a decimal comma, or upper-case letters of the notation, add their
// hint to the message (RefusalText).
ParseResult<ParsedVector> ParseStaticsVector(std::string_view text, int decimals = 3);

}  // namespace vec
