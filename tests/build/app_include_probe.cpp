// Must fail to compile: Qt-free code (here with the record library's settings) may not
// include a header of the client's windows, even one that uses no Qt itself.
#include "client/app/control_ids.h"

int probe() { return 0; }
