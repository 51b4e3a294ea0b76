#pragma once
// Picture scaling with a proper resampling filter: a tent (linear) filter widened by the
// scale factor when shrinking, so every source pixel contributes and small details average out
// instead of flickering in and out as they do with nearest-neighbour picking.

#include <cstddef>  // common/picture.h uses size_t without including it

#include "common/picture.h"

namespace platform::image {

// The picture scaled to width x height (each at least 1); the same picture when the size is
// unchanged, an empty one when either size is below 1 or the source is empty.
common::Picture resample(const common::Picture& source, int width, int height);

}  // namespace platform::image
