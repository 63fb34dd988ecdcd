#include "app/logic/EventLog.h"

#include "core/Texts.h"

namespace nx {

EventLog::EventLog(FileSystem& files, const AnsiCodec& codec, const Clock& clock, LocaleFormats formats,
                   std::string programFolder)
    : files_(files),
      codec_(codec),
      clock_(clock),
      formats_(std::move(formats)),
      programFolder_(std::move(programFolder)) {}

std::string EventLog::Folder() const {
  return programFolder_ + "Loggs";
}

std::string EventLog::FileNameFor(DateTime day) const {
  return Folder() + "\\Logg" + FileNameSafeDate(FormatShortDate(day, formats_)) + ".txt";
}

bool EventLog::WriteLog(std::string_view text) noexcept {
  try {
    DateTime now = clock_.Now();  // one moment for the file name and the stamp
    std::string folder = Folder();
    if (!files_.DirectoryExists(folder) && !files_.MakeDirectory(folder)) return false;
    std::string path = FileNameFor(now), stamp = FormatDateTime(now, formats_), lines;
    if (!files_.FileExists(path)) lines = Text(Str::LogHeaderStart) + stamp + Text(Str::LogHeaderEnd) + "\r\n\r\n\r\n";
    lines += text == " " ? std::string(" ") : stamp + "     " + std::string(text);
    lines += "\r\n";
    std::string bytes = codec_.ToAnsi(lines);
    // One retry, as for a file another program holds open for a moment.
    return files_.AppendToFile(path, bytes) || files_.AppendToFile(path, bytes);
  } catch (...) {
    return false;
  }
}

}  // namespace nx
