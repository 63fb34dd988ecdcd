#pragma once
// Helpers for the tests that run under Wine.
#include <string>

namespace nx::test {

// An empty folder for the current test inside the build tree, ending in "\".
std::string FreshScratchFolder();

// The folder of the built programs (Neatrix.exe and its language modules).
std::string ProgramsFolder();

}  // namespace nx::test
