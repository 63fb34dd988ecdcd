#include "tests/support/SetupDefaults.h"

#include <variant>

namespace nx::test {

std::unique_ptr<RegistryKey> WriteSetupDefaults(Registry& registry, const char* path, std::string_view omit,
                                                std::string_view mistype) {
  auto key = registry.OpenKey(RootKey::CurrentUser, path, true);
  struct Value {
    const char* name;
    std::variant<const char*, std::int32_t> data;
  };
  static const Value kDefaults[] = {{"Language", "English"},
                                    {"Logg", 0},
                                    {"LoggScans", 0},
                                    {"LoggDeleted", 0},
                                    {"Backup", 0},
                                    {"ZeroLength", 0},
                                    {"ShowHints", 1},
                                    {"WinTmp", 1},
                                    {"HotTrack", 1},
                                    {"ScanDrives", "C"},
                                    {"BackupDir", ""},
                                    {"masks", "*.BAK;*.OLD;*.TMP;*.*~*;"},
                                    {"FullScan", "111101010101011"},
                                    {"HotKeys", "1DEFGHI2JKL3M4NOPQRSTUVWX"},
                                    {"MinDups", 2},
                                    {"ExcludeCookies", ""}};
  for (const Value& value : kDefaults) {
    if (value.name == omit) continue;
    if (value.name == mistype || std::holds_alternative<const char*>(value.data))
      key->WriteString(value.name, value.name == mistype ? "1" : std::get<const char*>(value.data));
    else
      key->WriteInteger(value.name, std::get<std::int32_t>(value.data));
  }
  return key;
}

}  // namespace nx::test
