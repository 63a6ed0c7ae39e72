#pragma once
// Sends the core's log lines (platform::Log) to Qt's logging categories, one per category
// name ("quorvel.net", "quorvel.data", "quorvel.skin", ...), so that QT_LOGGING_RULES and
// the message handler decide what is shown. Install it once at start-up, before any
// worker starts.
#include "client/app/window_layer.h"

void RouteLogToQtCategories();
