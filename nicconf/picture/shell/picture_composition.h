#pragma once
// A layer list composed into a 200 x 200 bitmap from the layer bitmaps of a
// module's resources.

#include <windows.h>

#include "nicconf/picture/core/layer.h"

// Starts from a black canvas; for each layer whose bitmap loads, ANDs its
// mask half and then ORs its picture half at the layer's place. Null when no
// bitmap could be made.
HBITMAP ComposePicture(HINSTANCE resources, const nic::picture::LayerList& layers);
