#pragma once
// The one list of the subsystems' implementations of the main window's
// services. The program, the main-window test fixture and the start-up
// benchmark all build the window from it, so a subsystem that replaces its
// implementation changes this file only.
#include "shell/workspaces.h"

namespace app {

shell::Workspaces RealServices();

}  // namespace app
