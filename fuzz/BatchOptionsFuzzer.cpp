// The command line's readers: arguments (the input split at NUL bytes)
// through the option parser and the single-field options, and the input as
// a --files-from list, one a line and NUL-separated, read twice.

#include "FuzzSupport.h"
#include "cli/BatchOptions.h"
#include "cli/Diagnostics.h"
#include "cli/NameList.h"
#include "presets/FrameList.h"
#include "presets/JobSettings.h"

#include <sys/mman.h>
#include <unistd.h>

using namespace veltrane;
using veltrane::fuzz::expect;

namespace {

// A usage error is printed as one line, whatever the user typed.
void expectOneLine(const QString &reason) {
  expect(!reason.isEmpty(), "a failure without a reason");
  QString printed;
  QTextStream err(&printed);
  diagnose(err, reason);
  err.flush();
  expect(printed.count(u'\n') == 1 && !printed.contains(u'\r') && !printed.contains(QChar(0x2028)),
         "a usage error printed over more than one line", printed);
}

void checkOptions(const QByteArray &input) {
  static const QStringList frames = frameListEntries({QStringLiteral("Golden wood")});
  const Result<BatchOptions> options = parseBatchOptions(input.split('\0'));
  if (!options) {
    expectOneLine(options.reason());
    return;
  }
  expect(options->jobs >= 0 && options->jobs <= 256, "threads beyond the range");
  expect(!options->screen || (options->screen->width() > 0 && options->screen->height() > 0),
         "an empty screen");
  JobSettings job;
  for (const auto &[option, value] : options->job.fields)
    if (const Result<> applied = applyFieldOption(job, option, value, frames); !applied)
      expectOneLine(applied.reason());
  expect(job.frame >= 0 && job.frame < frames.size(), "a frame beyond the list");
}

// The names a list of `text` holds: what a plain split finds, in order.
void checkNameList(const QByteArray &text, char separator) {
  QByteArrayList expected;
  for (const QByteArray &name : text.split(separator))
    if (!name.isEmpty())
      expected.append(name);
  const int descriptor = ::memfd_create("list", MFD_CLOEXEC);
  expect(descriptor >= 0, "no memory file for the list");
  expect(::write(descriptor, text.constData(), size_t(text.size())) == text.size(), "the list not written");
  ::lseek(descriptor, 0, SEEK_SET);
  NameList list(descriptor, separator == '\0');
  for (int reading = 0; reading < 2; ++reading) {
    QByteArrayList names;
    while (const std::optional<QByteArray> name = list.next())
      names.append(*name);
    expect(names == expected, "a list read to other names");
    expect(list.error().isEmpty(), "a list that could not be read");
    expect(bool(list.again()), "a list that cannot be read again");
  }
  ::close(descriptor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray input = fuzz::inputBytes(data, size);
  checkOptions(input);
  checkNameList(input, '\0');
  checkNameList(input, '\n');
  return 0;
}
