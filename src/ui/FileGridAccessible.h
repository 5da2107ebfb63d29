#pragma once

namespace veltrane {

// Lets screen readers read the self-painted file list as a table: its rows
// (the listed files), its columns and their titles, each cell's text, and
// the selected row. Installed once; FileGrid calls it.
void installFileGridAccessibility();

} // namespace veltrane
