#include "presets/FileNameCharacters.h"

namespace veltrane {

bool refusedInFileNames(QChar typed) { return typed != u' ' && kRefusedCharactersText.contains(typed); }

} // namespace veltrane
