#pragma once
// The welcome page drawn on the drawing picture at start-up: greeting and
// product name centred on the picture's width, a grey arrow towards the
// toolbar with a connecting line, and what each toolbar button does, in the
// colour of its workspace. Drawn in the picture's y-up pixel scale; the
// picture's own font face, only sizes and colours change. Leaves the
// picture's colour black and its size 10.
#include "shell/defaults.h"

namespace plat {
class Picture;
}

namespace shell {

// A statement that fails is skipped and drawing goes on with the next one.
void DrawWelcome(plat::Picture& pic, const SharedState& state);

}  // namespace shell
