#pragma once
// The in-memory settings record held by the main window.
#include <array>
#include <optional>
#include <string>

namespace nx {

inline constexpr int kDriveSlots = 26;
inline constexpr int kTempMaskSlots = 41;

struct AppSettings {
  std::array<std::string, kDriveSlots> ScanDriveLetters;  // one letter each; empty = unused
  std::array<std::string, kTempMaskSlots> TempMasks;      // in stored order; empty = unused
  bool HotTrack = false;
  int MinDups = 0;
  bool Logg = false;
  bool LoggDeleted = false;
  bool LoggScans = false;
  bool ShowHints = false;
  bool WinTmp = false;
  bool ZeroLength = false;
  std::string FullScan;
  std::string ExcludeCookies;
  std::string KWScan = "111111";
  bool Backup = false;
  std::string BackupDir;
  std::string CurrentLanguage;
};

// What the settings window's Apply writes.
struct GeneralSettings {
  bool Logg = false;
  bool LoggDeleted = false;
  std::string BackupDir;  // empty leaves the stored folder as it is
  bool Backup = false;
  std::string Language;  // "English" or "Swedish"
  bool ShowHints = false;
  std::string ScanDrives;  // the checked drives' letters, in list order
  bool LoggScans = false;
};

// The display options a form takes from the settings: tool-tips on the
// controls that have a hint, hot-tracking in its tree lists.
class DisplayOptionsTarget {
public:
  virtual ~DisplayOptionsTarget() = default;
  // Controls without a hint never show tool-tips; those with one follow
  // showHints, or keep their state when it is nullopt (unreadable).
  virtual void ApplyHints(std::optional<bool> showHints) = 0;
  virtual void ApplyHotTrack(bool hotTrack) = 0;
};

}  // namespace nx
