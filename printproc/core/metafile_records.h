#pragma once
// Whether one metafile record holds what GDI will read of it. GDI takes a
// record's parameters at fixed places and by counts found inside the
// record (points, palette entries, escape bytes, bitmaps, region bands),
// and looks objects up by index, none of it checked against the record's
// size or the object table. Records outside the documented set are not
// accepted either: nothing says how GDI would read them.

#include <cstdint>

#include "printproc/core/byte_fields.h"

namespace printproc {

// `record` is the whole record, its header included; `objects` the size of
// the metafile's object table.
bool RecordHoldsTogether(Bytes record, std::uint16_t objects);

}  // namespace printproc
