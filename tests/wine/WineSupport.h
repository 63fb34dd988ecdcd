#pragma once
// Helpers for the tests that run under Wine.
#include <string>

namespace nx::test {

// An empty folder for the current test inside the build tree, ending in "\".
std::string FreshScratchFolder();

// Fixture files on the test bed's drives. Every path goes in its long form,
// so trees deeper than MAX_PATH can be built and removed.
std::wstring Long(const std::string& path);
// Removes folder (ending in "\") with everything below it; a folder link goes
// without what it points to.
void RemoveTree(const std::string& folder);
// drive:\Suite.Test\, empty.
std::string FreshFixture(char drive = 'T');
void MakeFolder(const std::string& path, unsigned long attributes = 0);
void MakeFile(const std::string& path, const std::string& bytes = "", unsigned long attributes = 0);
bool Carries(const std::string& path, unsigned long attribute);
bool Exists(const std::string& path);

// The folder of the built programs (Neatrix.exe and its language modules).
std::string ProgramsFolder();

}  // namespace nx::test

namespace nx::test {

// Answers the next dialog with that caption once it shows: n presses the n-th
// visible button from the left (the last one when there are fewer), 0 closes
// it. Works from inside its modal loop.
void DismissNextDialog(const std::string& caption, int answer);
// The message text of the dialog last answered that way.
std::string LastDismissedText();

}  // namespace nx::test
