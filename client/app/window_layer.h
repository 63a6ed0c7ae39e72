#pragma once
// Included by every header of client/app. The client's windows build on the Qt-free
// client core and records, never the other way round: a core target that reaches for a
// window header stops here.
#ifdef QUORVEL_CORE_LAYER
#error "client/app holds the client's windows; Qt-free code may not include it"
#endif
