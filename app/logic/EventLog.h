#pragma once
// The daily event log: one file per day in "Loggs" beside the program.
#include <string>
#include <string_view>

#include "core/DateTimeFormat.h"
#include "core/FileSystem.h"

namespace nx {

class EventLog {
public:
  // programFolder ends in "\".
  EventLog(FileSystem& files, const AnsiCodec& codec, const Clock& clock, LocaleFormats formats,
           std::string programFolder);

  // Appends one line. False when the folder cannot be made or the file cannot
  // be written; never throws and never waits, so a broken log cannot stop or
  // block the caller.
  bool WriteLog(std::string_view text) noexcept;

  std::string Folder() const;
  std::string FileNameFor(DateTime day) const;

private:
  FileSystem& files_;
  const AnsiCodec& codec_;
  const Clock& clock_;
  LocaleFormats formats_;
  std::string programFolder_;
};

}  // namespace nx
