#include "services/SettingsStore.h"

namespace nx {

SettingsStore::SettingsStore(Registry& registry, FileSystem& files, std::string programFolder)
    : registry_(registry), files_(files), programFolder_(std::move(programFolder)) {}

std::array<std::string, kDriveSlots> DriveLettersFrom(std::string_view scanDrives) {
  std::array<std::string, kDriveSlots> letters;
  for (size_t i = 0; i < letters.size() && i < scanDrives.size(); ++i) letters[i] = std::string(1, scanDrives[i]);
  return letters;
}

std::array<std::string, kTempMaskSlots> TempMasksFrom(std::string_view masks) {
  std::array<std::string, kTempMaskSlots> slots;
  size_t slot = 0;
  while (!masks.empty() && slot < slots.size()) {
    size_t end = masks.find(';');
    slots[slot++] = std::string(masks.substr(0, end));
    masks = end == std::string_view::npos ? std::string_view() : masks.substr(end + 1);
  }
  return slots;
}

std::string PadFullScan(std::string fullScan) {
  if (fullScan.size() < 18) fullScan += "00";
  return fullScan;
}

std::string SettingsStore::DefaultBackupDir() const {
  return programFolder_ + "Backup\\";
}

std::string SettingsStore::UseDefaultBackupDir() {
  std::string dir = DefaultBackupDir();
  std::string folder = dir.substr(0, dir.size() - 1);
  if (!files_.DirectoryExists(folder)) files_.MakeDirectory(folder);
  return dir;
}

bool SettingsStore::LoadSettings(AppSettings& settings, DisplayOptionsTarget& form) {
  auto key = registry_.OpenKey(RootKey::CurrentUser, kSettingsKey, false);
  if (!key) return false;
  auto drives = key->ReadString("ScanDrives");
  if (!drives) return false;
  settings.ScanDriveLetters = DriveLettersFrom(*drives);
  auto hotTrack = ReadBool(*key, "HotTrack");
  if (!hotTrack) return false;
  settings.HotTrack = *hotTrack;
  auto minDups = key->ReadInteger("MinDups");
  if (!minDups) return false;
  settings.MinDups = *minDups;
  form.ApplyHints(ReadBool(*key, "ShowHints"));
  form.ApplyHotTrack(settings.HotTrack);
  return ReadRecord(*key, settings);
}

bool SettingsStore::ReadRecord(RegistryKey& key, AppSettings& settings) {
  struct Flag {
    const char* name;
    bool AppSettings::*field;
  };
  static constexpr Flag kFlags[] = {{"Logg", &AppSettings::Logg},           {"LoggDeleted", &AppSettings::LoggDeleted},
                                    {"LoggScans", &AppSettings::LoggScans}, {"ShowHints", &AppSettings::ShowHints},
                                    {"WinTmp", &AppSettings::WinTmp},       {"ZeroLength", &AppSettings::ZeroLength}};
  for (const Flag& flag : kFlags) {
    auto value = ReadBool(key, flag.name);
    if (!value) return false;
    settings.*flag.field = *value;
  }
  auto fullScan = key.ReadString("FullScan");
  if (!fullScan) return false;
  settings.FullScan = PadFullScan(*fullScan);
  auto cookies = key.ReadString("ExcludeCookies");
  if (!cookies) return false;
  settings.ExcludeCookies = *cookies;
  if (key.ValueExists("KWScan")) {
    auto kwScan = key.ReadString("KWScan");
    if (!kwScan) return false;
    settings.KWScan = *kwScan;
  } else {
    settings.KWScan = "111111";
  }
  settings.Backup = ReadBool(key, "Backup").value_or(false);
  auto backupDir = key.ReadString("BackupDir");
  if (!backupDir) return false;
  settings.BackupDir = backupDir->empty() ? UseDefaultBackupDir() : *backupDir;
  return true;
}

void SettingsStore::ApplyDefaultSettings(AppSettings& settings, DisplayOptionsTarget& form) {
  settings.MinDups = 2;
  settings.FullScan = kBuiltInFullScan;
  settings.HotTrack = true;
  settings.WinTmp = true;
  settings.ZeroLength = false;
  settings.Logg = settings.LoggDeleted = settings.LoggScans = false;
  settings.ShowHints = true;
  settings.Backup = false;
  settings.BackupDir = UseDefaultBackupDir();
  settings.ScanDriveLetters = DriveLettersFrom("C");
  form.ApplyHints(true);
  form.ApplyHotTrack(true);
}

void SettingsStore::LoadTempMasks(AppSettings& settings) {
  settings.TempMasks = {};
  auto key = registry_.OpenKey(RootKey::CurrentUser, kSettingsKey, false);
  if (!key) return;
  settings.TempMasks = TempMasksFrom(key->ReadString("masks").value_or(""));
}

bool SettingsStore::SaveGeneralSettings(const GeneralSettings& general) {
  auto key = registry_.OpenKey(RootKey::CurrentUser, kSettingsKey, true);
  if (!key) return false;
  bool ok = WriteBool(*key, "Logg", general.Logg);
  ok = WriteBool(*key, "LoggDeleted", general.LoggDeleted) && ok;
  ok = WriteBool(*key, "LoggScans", general.LoggScans) && ok;
  ok = key->WriteString("ScanDrives", general.ScanDrives) && ok;
  ok = WriteBool(*key, "ShowHints", general.ShowHints) && ok;
  ok = key->WriteString("Language", general.Language) && ok;
  ok = WriteBool(*key, "Backup", general.Backup) && ok;
  if (!general.BackupDir.empty()) ok = key->WriteString("Backupdir", general.BackupDir) && ok;
  return ok;
}

}  // namespace nx
