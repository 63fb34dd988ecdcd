#pragma once
// What removing files needs of the platform. Paths are Windows paths in UTF-8.
#include <cstdint>
#include <optional>
#include <string_view>

namespace nx {

class FileRemoval {
public:
  virtual ~FileRemoval() = default;
  // The attribute bits (kAttr*), nullopt when nothing is there.
  virtual std::optional<std::uint32_t> Attributes(std::string_view path) = 0;
  virtual bool SetAttributes(std::string_view path, std::uint32_t attributes) = 0;
  virtual bool RemoveFile(std::string_view path) = 0;
  // Only an empty folder goes; a folder link goes without what it points to.
  virtual bool RemoveFolder(std::string_view path) = 0;
  // The shell's move to the recycle bin; the shell may report errors itself.
  virtual bool MoveToRecycleBin(std::string_view path) = 0;
};

}  // namespace nx
