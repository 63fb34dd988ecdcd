#include <gtest/gtest.h>

#include "services/SettingsStore.h"
#include "tests/support/SetupDefaults.h"
#include "tests/support/TestWorld.h"

namespace nx::test {
namespace {

struct RecordingForm : DisplayOptionsTarget {
  std::vector<std::optional<bool>> hints;
  std::vector<bool> hotTracks;
  void ApplyHints(std::optional<bool> showHints) override { hints.push_back(showHints); }
  void ApplyHotTrack(bool hotTrack) override { hotTracks.push_back(hotTrack); }
};

class SettingsStoreTest : public testing::Test {
protected:
  SettingsStoreTest() : world(MakeTestWorld()), store(world->registry(), world->files(), world->folder()) {}

  std::unique_ptr<RegistryKey> WriteSetupDefaults(const char* path = kSettingsKey, std::string_view omit = {},
                                                  std::string_view mistype = {}) {
    return test::WriteSetupDefaults(world->registry(), path, omit, mistype);
  }

  bool Load() { return store.LoadSettings(settings, form); }

  std::unique_ptr<TestWorld> world;
  SettingsStore store;
  AppSettings settings;
  RecordingForm form;
};

TEST_F(SettingsStoreTest, SetupDefaultsLoad) {
  WriteSetupDefaults();
  ASSERT_TRUE(Load());
  EXPECT_EQ(settings.ScanDriveLetters[0], "C");
  EXPECT_EQ(settings.ScanDriveLetters[1], "");
  EXPECT_TRUE(settings.HotTrack);
  EXPECT_EQ(settings.MinDups, 2);
  EXPECT_TRUE(settings.ShowHints);
  EXPECT_TRUE(settings.WinTmp);
  EXPECT_FALSE(settings.Logg || settings.LoggScans || settings.LoggDeleted || settings.ZeroLength || settings.Backup);
  // The 15-character setup text gains "00": duplicates and auto complete off.
  EXPECT_EQ(settings.FullScan, "11110101010101100");
  EXPECT_EQ(settings.KWScan, "111111");
  EXPECT_EQ(settings.ExcludeCookies, "");
  // An empty folder means the one beside the program, which is made.
  EXPECT_EQ(settings.BackupDir, world->folder() + "Backup\\");
  EXPECT_TRUE(world->files().DirectoryExists(world->folder() + "Backup"));
  EXPECT_EQ(form.hints, std::vector<std::optional<bool>>{true});
  EXPECT_EQ(form.hotTracks, std::vector<bool>{true});
}

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase) {
  auto key = WriteSetupDefaults("\\SOFTWARE\\neatrix\\SETTINGS");
  key->WriteString("backupdir", "D:\\Saved\\");
  key->WriteString("KWSCAN", "101010");
  ASSERT_TRUE(Load());
  EXPECT_EQ(settings.BackupDir, "D:\\Saved\\");
  EXPECT_EQ(settings.KWScan, "101010");
}

TEST_F(SettingsStoreTest, FullScanIsPaddedOnlyWhenShort) {
  auto key = WriteSetupDefaults();
  for (auto [stored, loaded] :
       std::vector<std::pair<std::string, std::string>>{{"111101010101011", "11110101010101100"},
                                                        {"111101010101011110", "111101010101011110"},
                                                        {"11110101010101111011", "11110101010101111011"},
                                                        {"", "00"}}) {
    key->WriteString("FullScan", stored);
    ASSERT_TRUE(Load()) << stored;
    EXPECT_EQ(settings.FullScan, loaded) << stored;
  }
}

TEST_F(SettingsStoreTest, ScanDrivesFillTheDriveSlots) {
  auto key = WriteSetupDefaults();
  key->WriteString("ScanDrives", "CDE");
  ASSERT_TRUE(Load());
  EXPECT_EQ(settings.ScanDriveLetters[0] + settings.ScanDriveLetters[1] + settings.ScanDriveLetters[2], "CDE");
  for (int i = 3; i < kDriveSlots; ++i) EXPECT_EQ(settings.ScanDriveLetters[i], "");

  key->WriteString("ScanDrives", "");
  ASSERT_TRUE(Load());
  for (const std::string& letter : settings.ScanDriveLetters) EXPECT_EQ(letter, "");
}

// Each row: a value left out or stored as text where a number belongs, and
// whether the load still succeeds.
TEST_F(SettingsStoreTest, MissingAndMistypedValues) {
  struct Case {
    const char* omit;
    const char* mistype;
    bool loads;
  };
  for (const Case& c : std::vector<Case>{{"HotTrack", "", false},
                                         {"MinDups", "", false},
                                         {"", "MinDups", false},
                                         {"Logg", "", false},
                                         {"", "ShowHints", false},
                                         {"ZeroLength", "", false},
                                         {"ExcludeCookies", "", true},
                                         {"FullScan", "", true},
                                         {"ScanDrives", "", true},
                                         {"Backup", "", true},
                                         {"", "Backup", true}}) {
    SCOPED_TRACE(std::string(c.omit) + c.mistype);
    world = MakeTestWorld();
    WriteSetupDefaults(kSettingsKey, c.omit, c.mistype);
    AppSettings fresh;
    EXPECT_EQ(SettingsStore(world->registry(), world->files(), world->folder()).LoadSettings(fresh, form), c.loads);
  }
}

TEST_F(SettingsStoreTest, AMissingBackupLeavesTheRestInForce) {
  auto key = WriteSetupDefaults(kSettingsKey, "Backup");
  WriteBool(*key, "Logg", true);
  key->WriteString("ScanDrives", "DE");
  settings.Backup = true;
  ASSERT_TRUE(Load());
  EXPECT_FALSE(settings.Backup);
  EXPECT_TRUE(settings.Logg);
  EXPECT_EQ(settings.ScanDriveLetters[1], "E");
}

TEST_F(SettingsStoreTest, AFailedLoadFallsBackToTheBuiltInDefaults) {
  WriteSetupDefaults(kSettingsKey, "HotTrack");
  ASSERT_FALSE(Load());
  store.ApplyDefaultSettings(settings, form);
  EXPECT_EQ(settings.FullScan, "111101010101011110");
  EXPECT_EQ(settings.MinDups, 2);
  EXPECT_TRUE(settings.HotTrack && settings.WinTmp && settings.ShowHints);
  EXPECT_FALSE(settings.Logg || settings.Backup || settings.ZeroLength);
  EXPECT_EQ(settings.ScanDriveLetters[0], "C");
  EXPECT_EQ(settings.BackupDir, world->folder() + "Backup\\");
  EXPECT_TRUE(world->files().DirectoryExists(world->folder() + "Backup"));
  EXPECT_EQ(form.hints.back(), std::optional<bool>(true));
}

TEST_F(SettingsStoreTest, AMissingKeyFailsTheLoad) {
  EXPECT_FALSE(Load());
  store.LoadTempMasks(settings);
  for (const std::string& mask : settings.TempMasks) EXPECT_EQ(mask, "");
}

TEST_F(SettingsStoreTest, HintsFollowTheStoredSwitch) {
  auto key = WriteSetupDefaults();
  WriteBool(*key, "ShowHints", false);
  WriteBool(*key, "HotTrack", false);
  ASSERT_TRUE(Load());
  EXPECT_EQ(form.hints, std::vector<std::optional<bool>>{false});
  EXPECT_EQ(form.hotTracks, std::vector<bool>{false});
}

TEST_F(SettingsStoreTest, TempMasksLoadInStoredOrder) {
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "*.M" + std::to_string(i) + ";";
  struct Case {
    std::string stored;
    std::vector<std::string> masks;
  };
  for (const Case& c : std::vector<Case>{{"*.BAK;*.OLD;*.TMP;*.*~*;", {"*.BAK", "*.OLD", "*.TMP", "*.*~*"}},
                                         {"*.BAK;*.TMP", {"*.BAK", "*.TMP"}},  // last ";" missing
                                         {"*.BAK;;*.TMP;", {"*.BAK", "", "*.TMP"}},
                                         {"", {}}}) {
    auto key = WriteSetupDefaults();
    key->WriteString("masks", c.stored);
    store.LoadTempMasks(settings);
    for (size_t i = 0; i < kTempMaskSlots; ++i)
      EXPECT_EQ(settings.TempMasks[i], i < c.masks.size() ? c.masks[i] : "") << c.stored << " slot " << i;
  }
  // Past the 41st the masks are dropped.
  WriteSetupDefaults()->WriteString("masks", fifty);
  store.LoadTempMasks(settings);
  EXPECT_EQ(settings.TempMasks[0], "*.M0");
  EXPECT_EQ(settings.TempMasks[40], "*.M40");
}

TEST_F(SettingsStoreTest, GeneralSettingsSaveAndLoadBack) {
  WriteSetupDefaults();
  GeneralSettings general{true, true, "E:\\Backups\\", true, "Swedish", false, "CE", true};
  ASSERT_TRUE(store.SaveGeneralSettings(general));
  ASSERT_TRUE(Load());
  EXPECT_TRUE(settings.Logg && settings.LoggDeleted && settings.LoggScans && settings.Backup);
  EXPECT_FALSE(settings.ShowHints);
  EXPECT_EQ(settings.BackupDir, "E:\\Backups\\");
  EXPECT_EQ(settings.ScanDriveLetters[1], "E");
  auto key = world->registry().OpenKey(RootKey::CurrentUser, kSettingsKey, false);
  EXPECT_EQ(key->ReadString("Language"), "Swedish");
  EXPECT_EQ(key->ReadInteger("Logg"), 1);  // booleans are 32-bit integers

  // An empty folder leaves the stored one alone.
  general.BackupDir.clear();
  ASSERT_TRUE(store.SaveGeneralSettings(general));
  EXPECT_EQ(key->ReadString("BackupDir"), "E:\\Backups\\");
}

TEST_F(SettingsStoreTest, SavingCreatesTheKey) {
  ASSERT_TRUE(store.SaveGeneralSettings({}));
  EXPECT_TRUE(world->registry().OpenKey(RootKey::CurrentUser, kSettingsKey, false));
}

TEST_F(SettingsStoreTest, DateTimesAreEightByteDayCounts) {
  auto key = world->registry().OpenKey(RootKey::CurrentUser, kSettingsKey, true);
  DateTime moment = At(2004, 5, 12, 14, 3, 11);
  ASSERT_TRUE(WriteDateTime(*key, "LastUpdateCheck", moment));
  EXPECT_EQ(key->ReadBinary("LastUpdateCheck")->size(), 8u);
  EXPECT_EQ(ReadDateTime(*key, "LastUpdateCheck"), moment);
  key->WriteBinary("Short", {1, 2, 3});
  key->WriteBinary("NotANumber", {0, 0, 0, 0, 0, 0, 0xF8, 0x7F});
  key->WriteString("Text", "2004-05-12");
  for (const char* name : {"Short", "NotANumber", "Text", "Missing"})
    EXPECT_EQ(ReadDateTime(*key, name), std::nullopt) << name;
}

}  // namespace
}  // namespace nx::test
