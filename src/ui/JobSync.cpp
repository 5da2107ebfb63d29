#include "ui/JobSync.h"

#include "presets/JobFields.h"

namespace veltrane {

void mergeChangedFields(JobSettings &target, const JobSettings &before, const JobSettings &after) {
  for (const JobField &field : jobFields())
    for (const JobMember &member : field.members)
      std::visit(
          [&](auto JobSettings::*each) {
            if (before.*each != after.*each)
              target.*each = after.*each;
          },
          member);
}

} // namespace veltrane
