// The picture of the spring designer: a compression spring lying with its
// axis horizontal, the load diagram above it and the dimension lines that the
// result boxes are laid over. Drawn as lines in twips relative to the
// picture's top left corner.
#pragma once

#include "common/sketch.h"

namespace quorvil {

// The picture's size in twips.
inline constexpr int kSpringPictureWidth = 3105;
inline constexpr int kSpringPictureHeight = 3825;

Sketch springPicture();

}  // namespace quorvil
