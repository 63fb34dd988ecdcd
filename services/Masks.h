#pragma once
// File masks: which file names count as temporary files. A mask is compiled
// once and then matched against every file name of a scan, so matching works
// on the compiled form and never allocates.
//
// Rules: a mask matches the whole name; "*" is any run (the empty one too),
// "?" exactly one character, "[...]" one character of a set with "a-z" ranges
// and a leading "!" to negate it; everything else matches itself. Names and
// masks are UTF-8 and compared by code point; a byte that is not valid UTF-8
// counts as one character of its own.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "services/AppSettings.h"

namespace nx {

// Maps a character to the form it compares in; both sides of a comparison go
// through it. The Windows build may hand in a locale-aware folding.
using CaseFold = char32_t (*)(char32_t);

// Folds a to z onto A to Z and leaves every other character as it is, so
// letters outside ASCII compare exactly, as the masks always have.
char32_t FoldAscii(char32_t c);

inline constexpr int kMaxMaskStars = 30;

// Raised before a scan starts. The position counts characters from 1: the
// character at fault, or one past the end when the mask ends too early.
class MaskError : public std::runtime_error {
public:
  MaskError(std::string_view mask, int position);
};

class Mask {
public:
  // Throws MaskError for an open set, an empty set, a "-" without a character
  // on both sides, or more than kMaxMaskStars "*".
  explicit Mask(std::string_view text, CaseFold fold = FoldAscii);

  // name is the file name alone, without its folder.
  bool Matches(std::string_view name) const;

private:
  enum class Kind : std::uint8_t { Star, Literal, Any, Set, NotSet };
  struct Token {
    Kind kind;
    char32_t literal = 0;               // folded
    std::uint32_t first = 0, last = 0;  // the set's ranges in ranges_
  };
  struct Range {
    char32_t low, high;  // folded ends
  };

  bool MatchesOne(const Token& token, char32_t folded) const;

  std::vector<Token> tokens_;
  std::vector<Range> ranges_;
  CaseFold fold_;
};

// The masks of one scan, in the order they were added.
class TMaskList {
public:
  explicit TMaskList(CaseFold fold = FoldAscii) : fold_(fold) {}
  // The settings' mask slots from the first upwards; the first empty slot
  // ends the list, as it does everywhere the slots are read.
  explicit TMaskList(const std::array<std::string, kTempMaskSlots>& slots, CaseFold fold = FoldAscii);

  void Add(std::string_view text);
  int Count() const { return static_cast<int>(masks_.size()); }
  // The first mask that matches name, or -1.
  int IndexOfMatch(std::string_view name) const;
  bool Matches(std::string_view name) const { return IndexOfMatch(name) != -1; }

private:
  std::vector<Mask> masks_;
  CaseFold fold_;
};

}  // namespace nx
