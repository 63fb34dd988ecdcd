#pragma once
// The fifteen sections of the main window, by their two-letter codes.
#include <array>
#include <string_view>

namespace nx {

enum class SectionCode { SC, IP, TF, RB, DF, DS, KW, CA, CO, FA, HI, UE, AS, RS, AC };

inline constexpr std::array<SectionCode, 15> kAllSections{
    SectionCode::SC, SectionCode::IP, SectionCode::TF, SectionCode::RB, SectionCode::DF,
    SectionCode::DS, SectionCode::KW, SectionCode::CA, SectionCode::CO, SectionCode::FA,
    SectionCode::HI, SectionCode::UE, SectionCode::AS, SectionCode::RS, SectionCode::AC};

constexpr std::string_view CodeText(SectionCode code) {
  constexpr std::string_view kTexts[] = {"SC", "IP", "TF", "RB", "DF", "DS", "KW", "CA",
                                         "CO", "FA", "HI", "UE", "AS", "RS", "AC"};
  return kTexts[static_cast<int>(code)];
}

}  // namespace nx
