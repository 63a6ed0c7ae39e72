#include "common/ui/window_system.h"

#include <QGuiApplication>

namespace ui {
namespace {

// -1: ask the platform; 0 or 1: a test's answer. Set and read on the window thread only.
int overrideAnswer = -1;

}  // namespace

bool CompositorManagesWindows() {
    if (overrideAnswer != -1) return overrideAnswer == 1;
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

ScopedCompositorManagesWindows::ScopedCompositorManagesWindows(bool manages) : previous_(overrideAnswer) {
    overrideAnswer = manages ? 1 : 0;
}

ScopedCompositorManagesWindows::~ScopedCompositorManagesWindows() { overrideAnswer = previous_; }

}  // namespace ui
