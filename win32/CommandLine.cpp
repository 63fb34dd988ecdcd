#include "win32/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include "win32/WideText.h"

namespace nx {

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; argv && i < count; ++i) args.push_back(Narrow(argv[i]));
  LocalFree(argv);
  return args;
}

}  // namespace nx
