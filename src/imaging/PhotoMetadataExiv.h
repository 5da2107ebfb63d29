#pragma once

// Exiv2 0.27's headers name std::auto_ptr, which C++17 deprecated: included
// through here so the warnings stay with the library that causes them.

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace veltrane {

// Sets Exiv2 up for this program, once per process, before any other use of
// it: muted, reading HEIF and AVIF, and its XMP toolkit, which is not
// thread-safe by itself, behind a lock (installed only by the first use).
void prepareExiv2();

} // namespace veltrane
