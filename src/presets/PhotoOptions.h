#pragma once

namespace veltrane {

// What a resized photo keeps of its source's metadata.
enum class MetadataPolicy {
  NoLocation = 0, // everything but where it was taken: copies are usually for sending
  KeepAll = 1,
  Strip = 2,
};

// What becomes of the source's colours and metadata in a picture written from
// it: program settings that every job shares, not fields of a job or preset.
struct PhotoOptions {
  MetadataPolicy metadata = MetadataPolicy::NoLocation;
  // Embed the source's colour profile as it is, instead of converting the
  // pixels to sRGB (for viewers that manage colour).
  bool keepColourProfile = false;

  bool operator==(const PhotoOptions &) const = default;
};

} // namespace veltrane
