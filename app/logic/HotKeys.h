#pragma once
// The Ctrl hot keys of the main window, from the "HotKeys" setting: position p
// holds the key of function p.
#include <optional>
#include <string_view>

namespace nx {

enum class HotKeyFunction {
  ToggleSystem = 1,
  Shortcuts,
  InstalledPrograms,
  TemporaryFiles,
  RecycleBin,
  DuplicateFiles,
  DiskSnapshot,
  ToggleInternet,
  Cache,
  Cookies,
  Favorites,
  ToggleHistory,
  History,
  ToggleRegistry,
  UnusedEntries,
  Autostart,
  FullScan,
  Scan,
  Stop,
  Settings,
  AdvancedSettings,
  Help,
  About,
  Nothing,
  Exit,
};

struct KeyModifiers {
  bool ctrl = false, shift = false, alt = false;
};

// The virtual-key code a "HotKeys" character stands for: digits and capital
// letters for themselves, anything else for the space bar.
int HotKeyCode(char keyCharacter);

// The function of a key pressed with exactly Ctrl; the first position that
// matches wins. nullopt for other modifiers, no match or no setting.
std::optional<HotKeyFunction> MatchHotKey(std::optional<std::string_view> hotKeys, int keyCode, KeyModifiers modifiers);

}  // namespace nx
