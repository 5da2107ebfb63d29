#pragma once

#include <QCoreApplication>

namespace veltrane {

// The translation context of the messages the core hands to the window and
// the command line: lupdate files them under "Messages", whoever shows them.
struct MessageText {
  Q_DECLARE_TR_FUNCTIONS(Messages)
};

} // namespace veltrane
