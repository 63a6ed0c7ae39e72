#pragma once
// Every skin background picture with its areas, for the generator and for the checks
// that keep controls inside their pictures and frames.
#include <span>

#include "common/skin/skin_rect.h"

namespace skin {

std::span<const Picture* const> AllPictures();

}  // namespace skin
