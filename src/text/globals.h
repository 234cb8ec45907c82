#pragma once
// Shared defaults that the result writer and the number formatters read.
// The main window's start-up sets them (InitGlobals) and the results dialog
// changes Decimals; everything else only reads them. No widget include.

namespace text {

struct Globals {
    // Decimals of every displayed number.
    int Decimals = 3;
};

// The one instance of the run.
Globals& G();

}  // namespace text
