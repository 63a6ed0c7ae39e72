#pragma once
// What the window system lets a client do with its own top-level windows.

namespace ui {

// True where the compositor alone places windows and brings minimised ones back
// (Wayland): a client can neither put a window at a screen position nor restore a
// window it has minimised.
bool CompositorManagesWindows();

// For tests: CompositorManagesWindows() answers `manages` while this lives.
class ScopedCompositorManagesWindows {
public:
    explicit ScopedCompositorManagesWindows(bool manages);
    ~ScopedCompositorManagesWindows();
    ScopedCompositorManagesWindows(const ScopedCompositorManagesWindows&) = delete;
    ScopedCompositorManagesWindows& operator=(const ScopedCompositorManagesWindows&) = delete;

private:
    int previous_;
};

}  // namespace ui
