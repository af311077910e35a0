#pragma once
// Start-up of the desktop program: the window registry of every folder, the main window
// and its start-up sequence.

class QApplication;

namespace kestrel {

class WindowRegistry;

/// The registry with the windows of every folder.
const WindowRegistry& applicationWindows();

/// Sets the application's names, shows the main window, runs the start-up sequence and
/// the event loop; returns the exit code.
int runKestrel(QApplication& app);

}  // namespace kestrel
