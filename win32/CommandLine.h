#pragma once
#include <string>
#include <vector>

namespace nx {

// The program's command-line arguments, without the program name.
std::vector<std::string> CommandLineArguments();

}  // namespace nx
