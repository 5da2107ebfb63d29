#pragma once

#include <QString>

namespace veltrane {

inline const QString kRefusedCharactersText = QStringLiteral("\\   /   :   *   ?   \"   <   >   |");

// True for the characters of kRefusedCharactersText, which file names on
// the system the program grew up on cannot hold; the suffix box and
// --suffix refuse them.
bool refusedInFileNames(QChar typed);

} // namespace veltrane
