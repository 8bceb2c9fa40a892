#pragma once
// Start-up work the first frame waits for but the window takes no part in,
// each run on the second core (a std::jthread, joined when it goes) while
// the main thread builds the window.

namespace spurgear {

// Before the application object: fontconfig reads its configuration and
// font caches, which the first label needs, then the window icon's picture
// is decoded.
void WarmUpFonts();

// Once the application object exists, and done before it goes: Qt's font
// database, which lists every font on the machine before the first label
// finds its own, then Qt's image format plugins, which the style loads to
// read its own pixmaps for the menu bar and the group boxes.
void WarmUpToolkit();

}  // namespace spurgear
