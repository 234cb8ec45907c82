#include "calculator/procbar.h"

#include "runtime/errors.h"
#include "runtime/rounding.h"

namespace calc {

namespace {

constexpr std::array<BarGroupInfo, kBarGroups> kGroups{{
    {2, 2, 1, {1, 2}},
    {5, 3, 1, {5, 6, 7, 8, 9}},
    {3, 2, 3, {10, 11, 12}},
    {9, 4, 1, {13, 14, 15, 16, 17, 18, 19, 9, 20}},
    {3, 2, 6, {20, 21, 22}},
    {4, 5, 1, {23, 24, 25, 26}},
    {7, 6, 1, {27, 28, 29, 30, 31, 32, 33}},
    {4, 3, 6, {34, 35, 36, 37}},
}};

}  // namespace

const BarGroupInfo& BarGroup(int group) {
    rt::ExpectIndex(group, 1, kBarGroups, "procedure bar group");
    return kGroups[static_cast<size_t>(group - 1)];
}

int BarCellNumber(double x, double y) {
    const int n = static_cast<int>(rt::IntFloor(x / kBarCellWidth)) + 1;
    return y <= 33 ? n + 12 : n;
}

}  // namespace calc
