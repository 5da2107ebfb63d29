#pragma once

#include <QString>

class QWidget;

namespace veltrane {

class MainWindow;
class ScriptedPrompts;

// Saves a window as it paints itself; says on the standard error when it cannot.
bool saveWindowPicture(QWidget &widget, const QString &path);

// --self-test FOLDER: whether the window works on this desktop. Waits until
// the window is shown, saves its pictures there (shaped-window.png and
// plain-window.png, as the window paints itself), resizes the pictures
// listed into FOLDER/resized as Go does, and ends the program as the exit
// button does. `prompts` take the place of message boxes: what they were
// told goes to the standard error. False when the window was not shown or
// the batch had anything to report.
bool runSelfTest(MainWindow &window, const QString &folder, const ScriptedPrompts &prompts);

} // namespace veltrane
