#pragma once

namespace spln {

// The offscreen application of a program without windows that draws with
// widgets-based modules such as Qt Charts.

// Makes sure a QApplication exists; when no application exists, one is made
// from argc and argv on Qt's "offscreen" platform, and lives until exit.
void EnsureWidgetApplication(int& argc, char** argv);

}  // namespace spln
