#include "app/logic/StartupRules.h"

#include <cmath>

#include "core/TextUtil.h"

namespace nx {

std::string VersionText(int version) {
  std::string digits = std::to_string(version), out;
  for (char digit : digits) {
    if (!out.empty()) out += '.';
    out += digit;
  }
  return out;
}

int LanguageModuleLocale(const std::optional<std::string>& storedLanguage) {
  if (storedLanguage && EqualsIgnoreCaseAscii(*storedLanguage, "Swedish")) return kLocaleSwedish;
  return kLocaleEnglish;
}

std::string CurrentLanguageFrom(const std::optional<std::string>& storedLanguage) {
  return storedLanguage && *storedLanguage == "Swedish" ? "Swedish" : "English";
}

std::vector<std::string> LanguageModuleCandidates(std::string_view programPath, std::string_view abbreviation) {
  size_t dot = programPath.rfind('.');
  if (dot == std::string_view::npos || abbreviation.empty()) return {};
  std::string stem(programPath.substr(0, dot + 1));
  std::vector<std::string> candidates{stem + std::string(abbreviation)};
  if (abbreviation.size() > 2) candidates.push_back(stem + std::string(abbreviation.substr(0, 2)));
  return candidates;
}

bool IsAutoScan(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == "-Scan";
}

bool IsDebugMode(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == "-debug";
}

WindowSize ClampMainWindowSize(WindowSize size) {
  if (size.height <= 300) size.height = 300;
  if (size.width <= 550) size.width = 550;
  return size;
}

double ScaleFactorFor(int pixelsPerInch) {
  return 2.0 - 96.0 / pixelsPerInch;
}

int ScaledHeight(int height, double scaleFactor) {
  return static_cast<int>(std::nearbyint(height * scaleFactor));  // default rounding mode: halves to even
}

}  // namespace nx
