#pragma once
// Strip positions, points and table columns.
//
// StripPointCode: a text of single digits naming a point under a strip
// position. Rectilinear workspace: body, segment, point ("112"); "000" no
// point. Projectile workspace: body, point ("14"); "00" no point. Points are
// numbered from 0 within their body. They read the model (state.h) and
// shell::Shared().WorkspaceMode and change nothing. No widget include.
#include <string>

namespace motion {

// The code of the point under strip position x (strip units, 64 per column).
std::string PointCodeAtX(int x);

// The table column (1..9) of point `point` of `body`; 0 before any
// configuration. With one body every body argument means body 1.
int TableColOfPoint(int body, int point);

// "" when p <= q and both lie in segment (body, segment), else the user's
// message. A body outside 1..2 or a segment outside 1..3 raises
// SubscriptOutOfRange.
std::string CheckPointsInSegment(int body, int segment, int p, int q);

// Digit k (0-based) of a code as an integer; raises TypeMismatch when the
// character is missing or not a digit.
int CodeDigit(const std::string& code, size_t k);

}  // namespace motion
