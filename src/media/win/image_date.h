// A freshly saved image of a note may get the date in front of its name.
#pragma once

#include <string>

#include "library/place.h"

namespace pw {

// With ImagePrependDate "1" for the place's folder, renames the image to start with the expanded
// PrependDateTemplate and updates both arguments. An existing file is never replaced: when no free dated name
// is left, or it would not fit a path, the image keeps its name and a status message says why.
void PrependDateToImage(const PlaceRecord& place, std::string& imagePath, std::string& imageName);

}  // namespace pw
