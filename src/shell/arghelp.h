#pragma once
// The argument help of the calculator: one file of pieces in the formula
// markup, read once at start-up; the calculator writes a procedure's piece
// into the help tab. Pieces are cut at every "---" followed by CR LF,
// wherever it stands; the line end before a "---" line stays with the
// piece before it, and a file that ends with "---" CR LF has an empty last
// piece. No widget include.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace shell {

inline constexpr char kArgHelpFile[] = "\\Argtext.txt";

// The whole file at path (line ends CR LF). Raises rt::RuntimeError when it
// cannot be opened or read.
QString ReadTextFile(const QString& path);

// The pieces of an argument-help text, piece 1 first.
QStringList SplitArgHelp(const QString& text);

// The pieces, numbered from 1 (UTF-8 markup, ready for a text::ResultLines).
// Unallocated until a file was read.
class ArgHelpStore {
public:
    bool Allocated() const { return allocated_; }
    int UBound() const { return static_cast<int>(pieces_.size()); }  // 0 when unallocated
    // Piece k, 1..UBound; another k raises SubscriptOutOfRange.
    const std::string& operator[](int k) const;
    // Piece k at index k - 1.
    const std::vector<std::string>& Pieces() const { return pieces_; }

    void Set(const QStringList& pieces);
    void Erase();  // back to unallocated

private:
    std::vector<std::string> pieces_;
    bool allocated_ = false;
};

// The one store of the run.
ArgHelpStore& ArgHelpTexts();

// Reads the argument-help file of the data folder into ArgHelpTexts. A file
// that cannot be read leaves the store as it was, without a message.
void LoadCalcHelp();

}  // namespace shell
