#pragma once
#include "core/FileFind.h"

namespace nx {

// FindFirstFileExW/FindNextFileW. Paths of MAX_PATH characters and more are
// passed with the "\\?\" prefix, so deep trees are listed too.
class Win32FileFinder : public FileFinder {
public:
  std::unique_ptr<FindSearch> FindFirst(std::string_view pattern, std::uint32_t filter) override;
};

}  // namespace nx
