#pragma once
// Reads back the PDF files the program prints, so tests can check a printout
// without a printer or outside tools: the text of each page, in the order
// it was drawn, characters joined with no separator between runs.
//
// Enough of the format for the files Qt writes: page order from the page
// tree, compressed content streams, text shown with Tj/TJ in Type 0 fonts
// whose ToUnicode maps give the characters. Returns no pages for a file
// that cannot be read.
#include <QString>
#include <vector>

namespace testsupport {

std::vector<QString> PdfPageTexts(const QString& path);

}  // namespace testsupport
