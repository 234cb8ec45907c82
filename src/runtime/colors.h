#pragma once
// Colours are 32-bit values written &HBBGGRR: the blue byte first, red last.
// The high value &H8000000F names the system colour of button faces.
#include <cstdint>

namespace rt {

using ColorRef = uint32_t;

constexpr ColorRef kButtonFace = 0x8000000F;
// What the button-face system colour resolves to on this platform (&HF0F0F0).
constexpr ColorRef kButtonFaceRgb = 0xF0F0F0;

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kMagenta = 0xFF00FF;
constexpr ColorRef kLightGrey = 0xC0C0C0;

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Resolves system colours, then splits &HBBGGRR into its bytes.
constexpr Rgb ToRgb(ColorRef c) {
    if (c == kButtonFace) c = kButtonFaceRgb;
    return Rgb{static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
               static_cast<uint8_t>((c >> 16) & 0xFF)};
}

constexpr ColorRef FromRgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) | (static_cast<ColorRef>(b) << 16);
}

// 15 twips per pixel at the design resolution.
constexpr int kTwipsPerPixel = 15;
constexpr double TwipsToPixels(double twips) { return twips / kTwipsPerPixel; }
constexpr double PixelsToTwips(double px) { return px * kTwipsPerPixel; }

}  // namespace rt
