#include "text/globals.h"

namespace text {

Globals& G() {
    static Globals globals;
    return globals;
}

}  // namespace text
