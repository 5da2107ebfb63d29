#include "filelist/GridState.h"

namespace veltrane {
namespace {

// The desktop's counterparts of the system colours a grid may name.
QPalette::ColorRole roleOf(quint32 index) {
  switch (index) {
  case 1:  // desktop
  case 12: // application workspace
  case 16: // button shadow
    return QPalette::Dark;
  case 2:  // active caption
  case 13: // highlight
    return QPalette::Highlight;
  case 9:  // caption text
  case 14: // highlighted text
    return QPalette::HighlightedText;
  case 5: return QPalette::Base;
  case 6:  // window frame
  case 21: // 3D dark shadow
    return QPalette::Shadow;
  case 7: return QPalette::WindowText; // menu text
  case 8: return QPalette::Text;       // window text: on the window colour, the list's Base
  case 3:                              // inactive caption
  case 10:                             // active border
  case 11:                             // inactive border
    return QPalette::Mid;
  case 17: return QPalette::PlaceholderText;
  case 18: return QPalette::ButtonText;
  case 19: return QPalette::WindowText;
  case 20: return QPalette::Light;
  case 22: return QPalette::Midlight;
  case 23: return QPalette::ToolTipText;
  case 24: return QPalette::ToolTipBase;
  case 0:  // scroll bar
  case 4:  // menu
  case 15: // button face
  default: return QPalette::Button;
  }
}

} // namespace

QColor resolveGridColour(GridColour colour, const QPalette &palette) {
  if (colour & kSystemColour)
    return palette.color(QPalette::Active, roleOf(colour & 0xFF));
  return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace veltrane
