#pragma once
// Helpers for the tests that run under Wine.
#include <string>

namespace nx::test {

// An empty folder for the current test inside the build tree, ending in "\".
std::string FreshScratchFolder();

// The folder of the built programs (Neatrix.exe and its language modules).
std::string ProgramsFolder();

}  // namespace nx::test

namespace nx::test {

// Answers the next dialog with that caption once it shows: 1 left button,
// 2 right button, 0 closes it with Escape. Works from inside its modal loop.
void DismissNextDialog(const std::string& caption, int answer);
// The message text of the dialog last answered that way.
std::string LastDismissedText();

}  // namespace nx::test
