#include "kinematics/lawtext.h"

namespace kinem {

namespace {

void ReplaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
        s.replace(p, from.size(), to);
}

std::string Rename(std::string_view law, bool x, bool v, std::string_view suffix) {
    std::string s;
    s.reserve(law.size() + suffix.size());
    for (char c : law) {
        if (c == 't')
            s += 'X';
        else if (x && c == 'x')
            s += 'Y';
        else if (v && c == 'v')
            s += 'Z';
        else
            s += c;
    }
    ReplaceAll(s, "eYp", "exp");
    ReplaceAll(s, "Xan", "tan");
    ReplaceAll(s, "coX", "cot");
    ReplaceAll(s, "aXan", "atan");
    ReplaceAll(s, "acoX", "acot");
    s += suffix;
    return s;
}

}  // namespace

std::string RenameVarsT(std::string_view law) { return Rename(law, false, false, "+0*X"); }
std::string RenameVarsOnly(std::string_view law, bool x, bool v) { return Rename(law, x, v, ""); }
std::string RenameVarsTX(std::string_view law) { return Rename(law, true, false, "+0*X+0*Y"); }
std::string RenameVarsTXV(std::string_view law) { return Rename(law, true, true, "+0*X+0*Y+0*Z"); }

std::string PlanePathLawText(std::string_view law) {
    std::string s(law);
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != 't') continue;
        const char next = i + 1 < s.size() ? s[i + 1] : '\0';
        if (next != 'a' && next != '(') s[i] = 'x';
    }
    return s;
}

}  // namespace kinem
