#pragma once
// Loads, defaults and saves the settings under
// HKEY_CURRENT_USER\Software\Neatrix\Settings.
#include <string>

#include "core/FileSystem.h"
#include "core/Registry.h"
#include "services/AppSettings.h"

namespace nx {

inline constexpr const char* kSettingsKey = "\\Software\\Neatrix\\Settings";
inline constexpr const char* kBuiltInFullScan = "111101010101011110";

class SettingsStore {
public:
  // programFolder ends in "\".
  SettingsStore(Registry& registry, FileSystem& files, std::string programFolder);

  // False when the key is missing or a numeric value is missing or of another
  // type; the values read so far stay in the record.
  bool LoadSettings(AppSettings& settings, DisplayOptionsTarget& form);
  void ApplyDefaultSettings(AppSettings& settings, DisplayOptionsTarget& form);
  void LoadTempMasks(AppSettings& settings);
  bool SaveGeneralSettings(const GeneralSettings& general);

  std::string DefaultBackupDir() const;

private:
  bool ReadRecord(RegistryKey& key, AppSettings& settings);
  std::string UseDefaultBackupDir();

  Registry& registry_;
  FileSystem& files_;
  std::string programFolder_;
};

// "CDE" -> C, D, E and 23 empty entries.
std::array<std::string, kDriveSlots> DriveLettersFrom(std::string_view scanDrives);
// ";"-terminated masks into the 41 slots. A last mask without its ";" still
// counts; masks past the 41st are dropped.
std::array<std::string, kTempMaskSlots> TempMasksFrom(std::string_view masks);
// A stored "FullScan" shorter than 18 characters gets "00" once.
std::string PadFullScan(std::string fullScan);

}  // namespace nx
