#pragma once

// Program entry: sets up the application (style, fonts, drive map) and runs the
// event loop from the splash window on.
namespace Program {

int run(int argc, char* argv[]);
// The look shared by the program and its tests: the classic "Windows" style and
// MS Sans Serif 8 pt as the default font.
void applyLook();

} // namespace Program
