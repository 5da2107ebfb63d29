#pragma once

#include <QCoreApplication>

namespace veltrane {

// The translation context of what veltrane-batch says on standard error.
// Its standard output, the JSON report and --help stay as they are: scripts
// and the manual page read them.
struct CommandLineText {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace veltrane
