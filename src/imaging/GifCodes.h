#pragma once

#include <cstddef>

namespace veltrane {

// Whether every LZW code of a frame's image data names a string the decoder
// has: a literal, the clear or end code, or a table entry already made (or
// the one being made). giflib takes a code past its table for the next one
// and decodes garbage without an error; a frame whose codes still fill it
// exactly then passes for a whole picture.
//
// `data` starts at the frame's minimum code size byte, followed by its data
// sub-blocks; the walk stops at the end code or where the data ends (giflib
// tells a frame that ends early itself).
bool gifCodesFitTheirTable(const unsigned char *data, size_t size);

} // namespace veltrane
