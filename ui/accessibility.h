// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace kestrin::ui {

// Gives the main window's controls the names a screen reader speaks, from
// the window's layout table:
//   - each field is named by the text of its label, which is also its
//     buddy (the label-for / labelled-by relation of the accessibility
//     tree); the one field without a label, the installation text, is
//     named for what it holds;
//   - check boxes and option buttons keep their captions as names and are
//     described by the label of their row, or the nearest one above it, so
//     that each "Allow" says which field it allows;
//   - the tab pages are named by their tabs, the status bar and its
//     indicator panels by what they show.
// Runs once the window has built its controls; controls it cannot find are
// left as they are.
void nameControlsForAccessibility(QWidget *mainWindow);

} // namespace kestrin::ui
