#pragma once
// The folders of the system that several sections look into. Each answers
// the empty text when the system cannot tell.
#include <string>

namespace nx {

// The temporary folder, with its trailing "\".
std::string TempDir();
// The Windows folder, without a trailing "\".
std::string WindowsDir();
// The system folder, without a trailing "\".
std::string SystemDir();

}  // namespace nx
