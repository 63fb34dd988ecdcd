#include "cleaners/FileSectionTools.h"

namespace nx {

WalkControl HostWalkControl(SectionHost& host) {
  return {.showFolder = [&host](const std::string& folder) { host.SetStatus(1, folder); },
          .processMessages = [&host] { host.ProcessMessages(); },
          .stopRequested = [&host] { return host.StopFlag(); }};
}

std::string FileDateText(std::uint32_t lastWrite, const LocaleFormats& formats) {
  std::optional<CivilTime> civil = UnpackDosDateTime(lastWrite);
  if (!civil) return {};
  return FormatShortDate(ToDateTime(*civil), formats);
}

}  // namespace nx
