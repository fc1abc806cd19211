#include "include/candybutton/version.h"

namespace candy {

const char* version() { return CANDYBUTTON_VERSION; }

}  // namespace candy
