#pragma once
// The program's icon (the icon every window of the client shows).
#include <QIcon>

QIcon AppIcon();
