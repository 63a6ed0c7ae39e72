// Must fail to compile: core targets do not see Qt's headers.
#include <QString>

int probe() { return QString("x").size(); }
