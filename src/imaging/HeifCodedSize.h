#pragma once

#include <QByteArray>
#include <QSize>

namespace veltrane {

// The largest picture a HEIF item's coded data declares, which is what the
// codec allocates whatever the item's "ispe" box says: for AV1 ("av01") the
// maximum frame size of every sequence header in its "av1C" configuration
// and its data, for HEVC ("hvc1") the size of every SPS in its "hvcC"
// configuration. An empty size when none is found or the type is another.
QSize codedPictureSize(const QByteArray &type, const QByteArray &configuration, const QByteArray &data);

} // namespace veltrane
