#pragma once
#include <windows.h>

#include "core/FileRemoval.h"

namespace nx {

class Win32FileRemoval : public FileRemoval {
public:
  std::optional<std::uint32_t> Attributes(std::string_view path) override;
  bool SetAttributes(std::string_view path, std::uint32_t attributes) override;
  bool RemoveFile(std::string_view path) override;
  bool RemoveFolder(std::string_view path) override;
  bool MoveToRecycleBin(std::string_view path) override;
};

// The shell's delete with undo, without questions and without a progress
// window; the shell may still report an error itself. No owner window.
bool MoveToRecycleBin(std::string_view path);

// Empties the recycle bins of all drives without asking. SHEmptyRecycleBinA
// is looked up at run time; when the shell lacks it nothing happens.
void EmptyRecycleBin(HWND owner);

}  // namespace nx
