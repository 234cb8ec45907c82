#pragma once
// The welcome page drawn on the drawing picture at start-up: greeting and
// product name centred on the picture's width, a grey arrow towards the
// toolbar with a connecting line, and what each toolbar button does, in the
// colour of its workspace. Drawn in the picture's y-up pixel scale; the
// picture's own font face, only sizes and colours change. Leaves the
// picture's colour black and its size 10.
#include <QString>

#include "shell/defaults.h"

namespace plat {
class Picture;
}

namespace shell {

// A statement that fails is skipped and drawing goes on with the next one.
void DrawWelcome(plat::Picture& pic, const SharedState& state);

// The page the build drew with DrawWelcome into the program's resources
// (kWelcomeArt, its pixels as they are), on the start-up picture: a fresh
// picture of the page's size, y-up, white, in the default face. Drawing it
// at start-up would load the font database and shape text before the first
// paint. It leaves the colour and size as DrawWelcome does and records one
// block copy from "welcome". False, with nothing done, on any other picture
// or when the program does not carry the page: the caller draws it.
bool ShowStoredWelcome(plat::Picture& pic, const SharedState& state);
inline constexpr const char* kWelcomeArt = ":/teluvar/welcome.rgb32";
inline constexpr int kWelcomeWidth = 397;  // pixels, the drawing picture's size
inline constexpr int kWelcomeHeight = 385;

}  // namespace shell
