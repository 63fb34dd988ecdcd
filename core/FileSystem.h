#pragma once
// The file operations the OS-free code needs. Paths are Windows paths in UTF-8.
#include <string>
#include <string_view>

#include "core/DateTime.h"

namespace nx {

class FileSystem {
public:
  virtual ~FileSystem() = default;
  virtual bool DirectoryExists(std::string_view path) = 0;
  virtual bool FileExists(std::string_view path) = 0;
  // Creates one folder; its parent must exist.
  virtual bool MakeDirectory(std::string_view path) = 0;
  // Opens (or creates) the file, appends the bytes and closes it again; false
  // when the file cannot be opened or written. Never waits for a lock.
  virtual bool AppendToFile(std::string_view path, std::string_view bytes) = 0;
};

// Text files whose format is fixed as ANSI are written in the system's ANSI
// code page.
class AnsiCodec {
public:
  virtual ~AnsiCodec() = default;
  // A character the code page cannot hold is written as <U+XXXX>, so nothing is
  // lost without a trace.
  virtual std::string ToAnsi(std::string_view utf8) const = 0;
};

class Clock {
public:
  virtual ~Clock() = default;
  // Local time.
  virtual DateTime Now() const = 0;
};

}  // namespace nx
