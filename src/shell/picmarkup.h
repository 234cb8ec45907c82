#pragma once
// One line of formula markup printed on a picture, character by character,
// from (x, y), the top of the line in the picture's y-up scale. The picture
// variant of the markup acts on the one character after each marker (four
// after "#"); the marker's next character is always consumed:
//   ";" x   x in the Symbol font, on the symbol line
//   "!" x   x as a subscript: size 7 (8 in lines larger than 8 points); a
//           digit takes the digits after it along ("F!12": the index 12)
//   "¡" x   x as a superscript: size 7
//   "$" x   x bold;  "_" x   x italic
//   "#" cccc   text::SymbolChar(cccc) in the Symbol font
// "/" and "\" are plain characters here. Subscripts sit 5 pixels below the
// line (6 in a 12-point line), superscripts 2 above (1 in a 12-point
// line), symbols 1 above except in 8- and 12-point lines. A character
// after "$", "_" or "#" keeps the height of the one before it. The
// picture's font name, size, bold and italic are as before afterwards; its
// current point stays after the last character.
#include <string>

namespace plat {
class Picture;
}

namespace shell {

class DrawCanvas;

// Bold and italic reach the picture behind the canvas; a canvas without one
// prints those characters plainly. The signature is that of the drawing
// engine's label printers (SetLabelPrinter).
void PrintMarkupText(DrawCanvas& pic, const std::string& text, double x, double y, const std::string& fontName,
                     double fontSize);
void PrintMarkupText(plat::Picture& pic, const std::string& text, double x, double y, const std::string& fontName,
                     double fontSize);

// Makes the drawing engine print arrow labels with the markup.
void UseMarkupForLabels();

}  // namespace shell
