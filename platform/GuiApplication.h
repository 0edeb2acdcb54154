#pragma once

namespace spln {

// The one place a program without windows starts its Qt application, which
// fonts and painting need: on Qt's "offscreen" platform, so no display is
// needed.

// Makes sure a QGuiApplication exists. When none exists, one is made on the
// offscreen platform from argc and argv, and lives until exit.
void EnsureGuiApplication(int& argc, char** argv);

// The same, for callers without a command line of their own.
void EnsureGuiApplication();

// Chooses the offscreen platform and quiets Qt's warning about a missing
// runtime directory; for the one that is about to make an application of its
// own kind (see EnsureWidgetApplication).
void PrepareOffscreenApplication();

}  // namespace spln
