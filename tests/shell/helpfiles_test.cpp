// The help files and the argument-help file shipped in data/: every section
// that a topic list or a help button loads is there once, closed and not
// empty; the argument help holds one piece per calculator procedure; every
// text is UTF-8 with CR LF line ends; and its formula markup converts without
// a run left open, a stray marker or more marks than one conversion handles.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kDataDir = TELUVAR_SOURCE_DIR "/data/";

struct FileSections {
    const char* file;
    std::vector<std::string> keys;
};

// What the topic lists, the panel's general-help button, the rigid-body "?"
// buttons and the particle example buttons load, file by file.
const std::vector<FileSections> kAskedSections = {
    {"HelpCalc.txt", {"MSG", "GRAL", "EXPR", "VECFMT", "TABLE", "CTRLS", "CLOCK"}},
    {"StatPart.txt", {"ESTP", "EXAMPLE1", "EXAMPLE2"}},
    {"HelpEstcr.txt", {"GRAL", "CONFIG", "SYSTS", "DCL", "SOLVE"}},
    {"HelpMrua.txt",
     {"GRALMRUA", "CONFIGTABLE", "EQN", "SUS", "SUSV0A", "GRAF", "DIST", "EQN3", "DELTAS", "ALCANCE", "PXQV", "LIGAR",
      "ALG"}},
    {"HelpTP.txt",
     {"GRALTP", "TABLA", "PLANTEAR", "SUST", "SUSTV0Q", "GRAF", "3PTS", "RCH", "TVR", "DIST", "ALCPI", "INT", "CHOQUE",
      "BOMB", "ALG"}},
    {"HelpKinem.txt", {"GRALK", "XDET", "VDETX", "ADETXV", "GRAPHK"}},
    {"hilfe1.txt", {"GRAL0"}},
};

const char* const kArgHelpFile = "Argtext.txt";
// Procedures 1, 2 and 5 to 37 of the calculator, one piece each.
constexpr size_t kArgHelpPieces = 35;

// One conversion handles at most this many marks, the end mark included.
constexpr int kMaxMarks = 200;

bool ReadFile(const std::string& name, std::string& out) {
    std::ifstream in(kDataDir + name, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

// Decodes UTF-8 strictly (no overlong forms, no surrogates, nothing above
// U+10FFFF); false at the first bad byte.
bool DecodeUtf8(const std::string& in, std::u32string& out, size_t& badAt) {
    out.clear();
    size_t i = 0;
    while (i < in.size()) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        int len = 0;
        char32_t cp = 0, min = 0;
        if (b0 < 0x80) {
            len = 1;
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            len = 2;
            cp = b0 & 0x1F;
            min = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            len = 3;
            cp = b0 & 0x0F;
            min = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            len = 4;
            cp = b0 & 0x07;
            min = 0x10000;
        } else {
            badAt = i;
            return false;
        }
        if (i + len > in.size()) {
            badAt = i;
            return false;
        }
        for (int k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(in[i + k]);
            if ((b & 0xC0) != 0x80) {
                badAt = i;
                return false;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            badAt = i;
            return false;
        }
        out.push_back(cp);
        i += len;
    }
    return true;
}

// Every line ends with CR LF, the last one included; no lone CR or LF.
bool SplitCrLfLines(const std::string& text, std::vector<std::string>& lines, std::string& why) {
    lines.clear();
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            why = "the last line has no CR LF";
            return false;
        }
        if (lf == start || text[lf - 1] != '\r') {
            why = "a line ends with LF alone, near byte " + std::to_string(lf);
            return false;
        }
        std::string line = text.substr(start, lf - 1 - start);
        if (line.find('\r') != std::string::npos) {
            why = "a lone CR inside line " + std::to_string(lines.size() + 1);
            return false;
        }
        lines.push_back(line);
        start = lf + 1;
    }
    return true;
}

bool IsKeyLine(const std::string& line) {
    if (line.size() < 3 || line.front() != '[' || line.back() != ']') return false;
    for (size_t i = 1; i + 1 < line.size(); ++i) {
        const char c = line[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

struct Section {
    std::string key;
    std::string text;  // its lines joined with CR LF, as the loader joins them
};

// Sections as the loader reads them: a key line, its text lines, "[STOP]".
// A key line met before the "[STOP]" would merge two topics into one.
bool ParseSections(const std::vector<std::string>& lines, std::vector<Section>& out, std::string& why) {
    out.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!IsKeyLine(lines[i])) continue;
        if (lines[i] == "[STOP]") {
            why = "\"[STOP]\" outside a section, line " + std::to_string(i + 1);
            return false;
        }
        Section s;
        s.key = lines[i].substr(1, lines[i].size() - 2);
        size_t j = i + 1;
        for (; j < lines.size() && lines[j] != "[STOP]"; ++j) {
            if (IsKeyLine(lines[j])) {
                why = "section " + s.key + " is not closed before line " + std::to_string(j + 1);
                return false;
            }
            if (j > i + 1) s.text += "\r\n";
            s.text += lines[j];
        }
        if (j == lines.size()) {
            why = "section " + s.key + " has no \"[STOP]\"";
            return false;
        }
        out.push_back(s);
        i = j;
    }
    return true;
}

bool IsBlank(const std::string& s) { return s.find_first_not_of(" \t\r\n") == std::string::npos; }

std::string Utf8Of(char32_t c) {
    std::string s;
    if (c < 0x80)
        s += static_cast<char>(c);
    else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

bool IsSymbolCode(const std::u32string& code) {
    static const char* const kCodes[] = {"meig", "maig", "suma", "punt", "infi", "nabl", "esca", "fldo", "fliz",
                                         "flar", "flde", "flab", "grad", "mame", "prop", "dife", "iden", "apro",
                                         "divi", "elem", "nele", "impl", "abso", "angu", "cruz", "reto", "cora"};
    for (const char* c : kCodes) {
        if (code == std::u32string(c, c + 4)) return true;
    }
    int n = 0;
    for (char32_t ch : code) {
        if (ch < U'0' || ch > U'9') return false;
        n = n * 10 + static_cast<int>(ch - U'0');
    }
    return n <= 255;
}

// Walks a text the way the markup conversion does and names what would show
// wrongly: a "/" or "\" run that does not close on its own line, an unknown
// run code or symbol code, a one-character marker with nothing fit to mark
// (a prose semicolon or exclamation mark), a literal end mark, too many marks.
std::vector<std::string> MarkupProblems(const std::string& utf8) {
    std::vector<std::string> found;
    std::u32string t;
    size_t bad = 0;
    if (!DecodeUtf8(utf8, t, bad)) return {"not UTF-8"};
    if (t.find(U'¬') != std::u32string::npos) found.push_back("a literal end mark \"¬\"");
    t.push_back(U'¬');
    const std::u32string markers = U"\\/#!¡;$¬";
    const std::u32string runCodes = U"0123456789ABCDEFtgcopnbiu";
    auto context = [&](size_t at) {
        std::string s;
        for (size_t k = at; k < t.size() && k < at + 24 && t[k] != U'\r' && t[k] != U'¬'; ++k) s += Utf8Of(t[k]);
        return " at \"" + s + "\"";
    };
    auto lineEnd = [&](size_t from) {
        const size_t e = t.find(U'\r', from);
        return e == std::u32string::npos ? t.size() - 1 : e;
    };
    int marks = 0;
    size_t i = 0;
    while (true) {
        i = t.find_first_of(markers, i);
        ++marks;
        const char32_t m = t[i];
        if (m == U'¬') break;
        const char32_t next = t[i + 1];
        if (next == m && m != U'¬') {
            i += 3;
            continue;
        }  // a doubled marker shows itself
        if (m == U'/' || m == U'\\') {
            size_t body = i + 2;
            if (m == U'/') {
                if (runCodes.find(next) == std::u32string::npos) found.push_back("unknown run code" + context(i));
            } else {
                const bool ok = i + 4 < t.size() && t[i + 1] >= U'0' && t[i + 1] <= U'9' && t[i + 2] >= U'0' &&
                                t[i + 2] <= U'9' && t[i + 3] >= U'0' && t[i + 3] <= U'9' &&
                                runCodes.find(t[i + 4]) < 16;
                if (!ok) found.push_back("bad style code" + context(i));
                body = i + 5;
            }
            const size_t close = t.find(m, body);
            if (close == std::u32string::npos || close > lineEnd(body)) {
                found.push_back("run not closed on its line" + context(i));
                break;
            }
            // Markers inside a run show as typed; in a "/" run that is how a
            // typed text such as 230;-34 is quoted, but a styled "\" run (a
            // title) is meant to hold plain words only.
            if (m == U'\\' && t.substr(body, close - body).find_first_of(markers) != std::u32string::npos)
                found.push_back("marker shown literally inside a styled run" + context(i));
            i = close + 1;
            continue;
        }
        if (m == U'#') {
            if (i + 4 >= t.size() || !IsSymbolCode(t.substr(i + 1, 4)))
                found.push_back("unknown symbol code" + context(i));
            i += 5;
            continue;
        }
        // "!", "¡", ";" and "$" act on the one character that follows.
        const bool blank = next == U' ' || next == U'\r' || next == U'\n' || next == U'¬';
        const bool marker = markers.find(next) != std::u32string::npos;
        const bool symbolOk = (next >= U'a' && next <= U'z') || (next >= U'A' && next <= U'Z') || next == U'-';
        if (blank || marker || (m == U';' && !symbolOk)) found.push_back("nothing fit to mark" + context(i));
        i += 1;
    }
    if (marks > kMaxMarks) found.push_back(std::to_string(marks) + " marks, more than one conversion handles");
    return found;
}

// Reads a data file, checks its encoding and line ends, and gives its lines.
bool LoadLines(const std::string& file, std::string& raw, std::vector<std::string>& lines) {
    if (!ReadFile(file, raw)) {
        ADD_FAILURE() << file << " is missing from " << kDataDir;
        return false;
    }
    std::u32string decoded;
    size_t bad = 0;
    if (!DecodeUtf8(raw, decoded, bad)) {
        ADD_FAILURE() << file << " is not UTF-8 at byte " << bad;
        return false;
    }
    if (raw.rfind("\xEF\xBB\xBF", 0) == 0) {
        ADD_FAILURE() << file << " begins with a byte-order mark, which would hide its first key line";
        return false;
    }
    std::string why;
    if (!SplitCrLfLines(raw, lines, why)) {
        ADD_FAILURE() << file << ": " << why;
        return false;
    }
    return true;
}

TEST(HelpFiles, EveryAskedSectionIsThereOnceClosedAndNotEmpty) {
    for (const auto& f : kAskedSections) {
        SCOPED_TRACE(f.file);
        std::string raw, why;
        std::vector<std::string> lines;
        if (!LoadLines(f.file, raw, lines)) continue;
        std::vector<Section> sections;
        ASSERT_TRUE(ParseSections(lines, sections, why)) << why;
        std::map<std::string, int> seen;
        for (const auto& s : sections) {
            ++seen[s.key];
            EXPECT_FALSE(IsBlank(s.text)) << "section " << s.key << " is empty";
        }
        for (const auto& key : f.keys) EXPECT_EQ(seen[key], 1) << "section " << key;
    }
}

TEST(HelpFiles, MarkupOfEverySectionConvertsCleanly) {
    for (const auto& f : kAskedSections) {
        std::string raw, why;
        std::vector<std::string> lines;
        std::vector<Section> sections;
        if (!LoadLines(f.file, raw, lines) || !ParseSections(lines, sections, why)) continue;
        for (const auto& s : sections) {
            for (const auto& p : MarkupProblems(s.text)) ADD_FAILURE() << f.file << " [" << s.key << "]: " << p;
        }
    }
}

TEST(ArgumentHelp, OnePieceForEachCalculatorProcedure) {
    std::string raw;
    std::vector<std::string> lines;
    ASSERT_TRUE(LoadLines(kArgHelpFile, raw, lines));
    // The loader cuts the text at every "---" CR LF, wherever it stands.
    std::vector<std::string> pieces;
    const std::string sep = "---\r\n";
    size_t start = 0;
    for (size_t at = raw.find(sep); at != std::string::npos; at = raw.find(sep, start)) {
        pieces.push_back(raw.substr(start, at - start));
        start = at + sep.size();
    }
    pieces.push_back(raw.substr(start));
    ASSERT_EQ(pieces.size(), kArgHelpPieces);
    for (size_t k = 0; k < pieces.size(); ++k) {
        EXPECT_FALSE(IsBlank(pieces[k])) << "piece " << k + 1 << " is empty";
        for (const auto& p : MarkupProblems(pieces[k])) ADD_FAILURE() << "piece " << k + 1 << ": " << p;
    }
}

// The checker above must itself catch what it looks for, or a broken help
// text would pass unseen.
TEST(HelpMarkupCheck, FlagsTheFaultsItLooksFor) {
    struct Case {
        std::string text;
        bool clean;
    };
    const std::string manyMarks = [] {
        std::string s;
        for (int k = 0; k < 200; ++k) s += "x!1 ";
        return s;
    }();
    const Case cases[] = {
        {"/tTítulo/ y v!0¡2, ;q = 30°, $F #cruz $r, c//r, 230;;-34", true},
        {"\\1106Título\\ y #0177", true},
        {"/tsin cerrar\r\nsigue/", false},
        {"/zcódigo desconocido/", false},
        {"\\1x06estilo\\", false},
        {"\\1106y//o x!1\\", false},
        {"uno; dos", false},
        {"hola! adiós", false},
        {"#xxxx", false},
        {"fin ¬ antes", false},
        {manyMarks, false},
    };
    for (const auto& c : cases) EXPECT_EQ(MarkupProblems(c.text).empty(), c.clean) << c.text;
}

}  // namespace
