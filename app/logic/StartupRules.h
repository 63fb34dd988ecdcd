#pragma once
// The start-up decisions of the main program that need no window: language,
// module file names, version text, command line and window limits.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nx {

inline constexpr int kProgramVersion = 2512;
inline constexpr int kLocaleEnglish = 0x09;
inline constexpr int kLocaleSwedish = 0x1D;

// "2512" -> "2.5.1.2": every decimal digit, joined with dots.
std::string VersionText(int version);

// The stored "Language" value picks the language module without regard to
// case; nullopt means the settings key did not open.
int LanguageModuleLocale(const std::optional<std::string>& storedLanguage);
// ...while the language the settings window shows is matched exactly.
std::string CurrentLanguageFrom(const std::optional<std::string>& storedLanguage);

// The files to try for a language module, in order: the program's name with
// its ending after the last "." replaced by the abbreviation, then by the
// abbreviation's first two letters. None when there is no "." or no
// abbreviation.
std::vector<std::string> LanguageModuleCandidates(std::string_view programPath, std::string_view abbreviation);

// Only the first argument counts, compared exactly.
bool IsAutoScan(const std::vector<std::string>& args);
bool IsDebugMode(const std::vector<std::string>& args);

struct WindowSize {
  int width, height;
  bool operator==(const WindowSize&) const = default;
};
// A main window of 300 pixels or less in height becomes 300 high, one of 550
// or less in width 550 wide.
WindowSize ClampMainWindowSize(WindowSize size);

// 2 - 96 / dots per inch: 1.0 at 96, 1.2 at 120.
double ScaleFactorFor(int pixelsPerInch);
// A height times the scale factor, rounded to the nearest integer with halves
// to even.
int ScaledHeight(int height, double scaleFactor);

}  // namespace nx
