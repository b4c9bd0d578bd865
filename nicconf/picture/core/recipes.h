#pragma once
// The layer lists of the printer picture: one recipe per picture family, from
// the installed options (picture flags), the picture code of the status
// message and the caller's extra word. Every list starts with the normal
// background and the printer's body; the parts that show the options and the
// problem follow, then the status icon.
//
// Picture codes: 0 ready, 1 offline or error, 2 printing, 3 paper low, 4
// manual feed or envelope feeder empty, 5 6 7 19 20 hopper 1 2 3 4 5 empty,
// 8 cover open, 9 toner, 16 paper size, 17 service call, 18 paper jam or
// output full; any other code draws the printer alone.

#include <cstdint>
#include <string_view>

#include "nicconf/picture/core/layer.h"
#include "nicconf/picture/core/models.h"

namespace nic::picture {

LayerList Laser1Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Laser2Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Laser3Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Laser4Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Laser5Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Laser6Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Laser7ALayers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Laser7BLayers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Color1Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
LayerList Impact1Layers(const PictureFlags& flags, std::uint32_t code, std::uint32_t extra);
// A model without a picture of its own: a page printer, or for printer
// families 2 and 3 an impact printer.
LayerList GenericLayers(int printerFamily, const PictureFlags& flags, std::uint32_t code,
                        std::uint32_t extra);

// The recipe of a picture family; `printerFamily` matters to the generic one.
LayerList FamilyLayers(PictureFamily family, int printerFamily, const PictureFlags& flags,
                       std::uint32_t code, std::uint32_t extra);

// The picture of a model: its family from the model table, else generic.
LayerList LayersFor(std::string_view model, int printerFamily, const PictureFlags& flags,
                    std::uint32_t code, std::uint32_t extra);

}  // namespace nic::picture
