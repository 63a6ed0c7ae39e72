#pragma once
// The program's icon (the icon every window of the client shows).
#include "client/app/window_layer.h"
#include <QIcon>

QIcon AppIcon();
