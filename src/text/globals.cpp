#include "text/globals.h"

namespace shell {

Globals& G() {
    static Globals globals;
    return globals;
}

}  // namespace shell
