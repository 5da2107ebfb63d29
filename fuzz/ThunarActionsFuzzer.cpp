// Thunar's uca.xml merge: any file the user's Thunar (or anything else) left
// there. Ours goes in and comes out again; the result is always well-formed.

#include "FuzzSupport.h"
#include "shell/FileManagerMenu.h"

#include <QXmlStreamReader>

using namespace veltrane;
using veltrane::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray existing = fuzz::inputBytes(data, size);
  const QString command = QStringLiteral("'/opt/v' -- %F");
  const Result<QByteArray> added = mergeThunarActions(existing, PictureKinds::Jpeg, command, true);
  if (!added)
    return 0;
  expect(thunarHasAction(*added, PictureKinds::Jpeg, command), "our action missing after adding it");
  QXmlStreamReader reader(*added);
  while (!reader.atEnd())
    reader.readNext();
  expect(!reader.hasError(), "a merge that is not well-formed");
  const Result<QByteArray> removed = mergeThunarActions(*added, PictureKinds::Jpeg, command, false);
  expect(removed.ok(), "our own output refused");
  expect(!thunarHasAction(*removed, PictureKinds::Jpeg, {}), "our action left after removing it");
  return 0;
}
