#pragma once
// The rigid-body statics model: the structure (separation vectors and the
// points they place), the systems and their lines, the forces of the
// free-body diagrams and the copy taken before a solve. One instance lives
// for the run; the new-problem action empties it. No widget include.
#include <array>
#include <string>
#include <vector>

#include "runtime/colors.h"
#include "runtime/errors.h"
#include "runtime/variant.h"

namespace rigid {

// A separation vector from one lettered point to another. A series vector
// whose axis was not understood keeps zero components.
struct SepVectorRec {
    std::string FromPoint;
    std::string ToPoint;
    double X = 0;
    double Y = 0;
    bool Applied = false;  // has placed a point in the last ComputeCoordinates
};

// A point with known coordinates and its place on the drawing.
struct PointRec {
    std::string Name;
    double X = 0;
    double Y = 0;
    float PicX = 0;  // pixels on pic1, y up; set by the structure drawing
    float PicY = 0;
};

// A recorded line command of a system: its letters, whether it draws (or
// erases), its colour and its system digit, all kept as texts.
struct LineRec {
    std::string Points;
    std::string Shown;   // "True" or "False"
    std::string Color;   // decimal colour
    std::string System;  // "1".."5"
};

// Fields of a force record, numbered as the force table numbers them.
// 1..21 come from the parsed vector, 22..31 from the point and the text.
namespace fr {
enum : int {
    kMag = 1,
    kDir,
    kX,
    kY,
    kHour,
    kAlpha,
    kXCoef,
    kXTerm,
    kYCoef,
    kYTerm,
    kXText,
    kYText,
    kDrawAngle,
    kArrowFromPoint,
    kArrowColor,
    kText,
    kMagSymbol,
    kMagCoef,
    kMagText,
    kFormatName,
    kArrowLabel,
    kPointX,
    kPointY,
    kPicX,
    kPicY,
    kBody,
    kPointName,
    kForceText,
    kCoupleValue,
    kCoupleText,
    kCoupleColor,
    kLast = kCoupleColor
};
}  // namespace fr

// One force (and its couple) on one point of one system; fields 1..31.
struct ForceRec {
    std::array<rt::Variant, fr::kLast + 1> f;  // f[0] unused
    rt::Variant& operator[](int i) {
        rt::ExpectIndex(i, 0, fr::kLast, "field of a force record");
        return f[static_cast<size_t>(i)];
    }
    const rt::Variant& operator[](int i) const {
        rt::ExpectIndex(i, 0, fr::kLast, "field of a force record");
        return f[static_cast<size_t>(i)];
    }
    int Body() const;
    std::string Text(int i) const { return (*this)[i].ToText(); }
};

inline constexpr int kMaxSystems = 5;

// Colours of systems 1..5 (index 0 unused).
inline constexpr std::array<rt::ColorRef, 6> kSystemColors = {0, 0x808080, 0x00C0C0, 0x00C000, 0xC00000, 0xC000C0};
rt::ColorRef SystemColor(int system);  // outside 1..5 is a program fault

struct StatState {
    // Structure (records in order of registration / of placing).
    std::vector<SepVectorRec> SepVectors;
    std::vector<PointRec> StatPoints;
    int SavedSepVectorCount = 0;
    int SavedStatPointCount = 0;
    int SepVectorCount() const { return static_cast<int>(SepVectors.size()); }
    int StatPointCount() const { return static_cast<int>(StatPoints.size()); }

    // Systems 1..5 (index 0 unused): point letters; system 1 holds all.
    std::array<std::string, 6> SystemPoints;
    std::vector<LineRec> Lines;
    int LineCount() const { return static_cast<int>(Lines.size()); }

    // Forces of all systems, in order of entry.
    std::vector<ForceRec> Forces;
    int ForceCount() const { return static_cast<int>(Forces.size()); }
    std::array<bool, 6> SystemForcesCopied{};

    // Copy of the forces taken before a solve.
    std::vector<ForceRec> SavedForces;
    int SavedForceCount() const { return static_cast<int>(SavedForces.size()); }

    void EraseStructure();  // vectors, points, systems, lines and forces
    void EraseForces();     // forces and copy marks
};

// 1-based index of the first point named `name` (exact), 0 when none.
int FindPoint(const StatState& st, const std::string& name);
const PointRec& PointAt(const StatState& st, int index1);  // 1-based, checked
PointRec& PointAt(StatState& st, int index1);

// True when some character occurs twice, regardless of letter case.
bool HasRepeatedLetter(const std::string& s);

}  // namespace rigid
