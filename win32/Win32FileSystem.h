#pragma once
#include "core/FileSystem.h"

namespace nx {

class Win32FileSystem : public FileSystem {
public:
  bool DirectoryExists(std::string_view path) override;
  bool FileExists(std::string_view path) override;
  bool MakeDirectory(std::string_view path) override;
  bool AppendToFile(std::string_view path, std::string_view bytes) override;
};

// The system's ANSI code page (CP_ACP).
class Win32AnsiCodec : public AnsiCodec {
public:
  std::string ToAnsi(std::string_view utf8) const override;
};

class SystemClock : public Clock {
public:
  DateTime Now() const override;
};

}  // namespace nx
