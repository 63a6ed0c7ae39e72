#pragma once
// The application icon: the product mark's tile, for the desktop menu and file managers.
#include <QImage>

namespace skin_gen {

inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// A square icon of `size` pixels on a transparent background.
QImage DrawAppIcon(int size);

}  // namespace skin_gen
