#pragma once
// Moved to the text layer; kept until every user includes it from there.
#include "text/globals.h"
