#include "services/Masks.h"

#include "core/Texts.h"

namespace nx {
namespace {

struct Decoded {
  char32_t c;
  size_t next;
};

// Lone surrogates never come out of valid UTF-8, so a stray byte b becomes
// U+DC00 + b: it still counts as one character and matches only itself.
Decoded DecodeAt(std::string_view text, size_t i) {
  unsigned char lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return {lead, i + 1};
  const Decoded stray{static_cast<char32_t>(0xDC00 + lead), i + 1};
  size_t length;
  char32_t c, least;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, least = 0x10000;
  } else {
    return stray;
  }
  if (text.size() - i < length) return stray;
  for (size_t k = 1; k < length; ++k) {
    unsigned char b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return stray;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return stray;
  return {c, i + length};
}

// Walks the mask one character at a time and counts positions for errors.
class MaskReader {
public:
  explicit MaskReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return at_ >= text_.size(); }
  char32_t Next() {
    Decoded d = DecodeAt(text_, at_);
    at_ = d.next;
    ++position_;
    return d.c;
  }
  int Position() const { return position_; }
  [[noreturn]] void Fail(int position) const { throw MaskError(text_, position); }
  [[noreturn]] void FailPastEnd() {
    while (!AtEnd()) Next();
    Fail(position_ + 1);
  }

private:
  std::string_view text_;
  size_t at_ = 0;
  int position_ = 0;
};

}  // namespace

char32_t FoldAscii(char32_t c) {
  return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

MaskError::MaskError(std::string_view mask, int position)
    : std::runtime_error(FormatText(Text(Str::InvalidMask), {mask, std::to_string(position)})) {}

Mask::Mask(std::string_view text, CaseFold fold) : fold_(fold) {
  MaskReader reader(text);
  int stars = 0;
  while (!reader.AtEnd()) {
    char32_t c = reader.Next();
    bool afterStar = !tokens_.empty() && tokens_.back().kind == Kind::Star;
    if (c == '*') {
      if (++stars > kMaxMaskStars) reader.Fail(reader.Position());
      if (!afterStar) tokens_.push_back({Kind::Star});
    } else if (c == '?') {
      // A "?" right after a "*" adds nothing, so "*?" and "*??" are "*".
      if (!afterStar) tokens_.push_back({Kind::Any});
    } else if (c != '[') {
      tokens_.push_back({Kind::Literal, fold_(c)});
    } else {
      Token set{Kind::Set, 0, static_cast<std::uint32_t>(ranges_.size())};
      if (reader.AtEnd()) reader.FailPastEnd();
      c = reader.Next();
      if (c == '!') {
        set.kind = Kind::NotSet;
        if (reader.AtEnd()) reader.FailPastEnd();
        c = reader.Next();
      }
      bool canStartRange = false;  // a character stands before a "-"
      while (c != ']') {
        if (c == '-') {
          int dash = reader.Position();
          if (!canStartRange) reader.Fail(dash);
          if (reader.AtEnd()) reader.FailPastEnd();
          char32_t high = reader.Next();
          if (high == ']') reader.Fail(dash);
          high = fold_(high);
          // Ranges run between the folded ends, so "[a-z]" also takes A to Z;
          // a reversed range names nothing.
          if (ranges_.back().low > high) {
            ranges_.pop_back();
          } else {
            ranges_.back().high = high;
          }
          canStartRange = false;
        } else {
          ranges_.push_back({fold_(c), fold_(c)});
          canStartRange = true;
        }
        if (reader.AtEnd()) reader.FailPastEnd();
        c = reader.Next();
      }
      if (ranges_.size() == set.first) reader.Fail(reader.Position());
      set.last = static_cast<std::uint32_t>(ranges_.size());
      tokens_.push_back(set);
    }
  }
}

bool Mask::MatchesOne(const Token& token, char32_t folded) const {
  switch (token.kind) {
    case Kind::Literal:
      return folded == token.literal;
    case Kind::Any:
      return true;
    case Kind::Set:
    case Kind::NotSet: {
      bool inSet = false;
      for (std::uint32_t r = token.first; r < token.last && !inSet; ++r)
        inSet = ranges_[r].low <= folded && folded <= ranges_[r].high;
      return inSet == (token.kind == Kind::Set);
    }
    case Kind::Star:
      break;
  }
  return false;
}

// Each "*" only has to remember where it was last tried: a later "*" can take
// whatever an earlier one would have had to, so backing up to the latest one
// is enough and the match stays within name length times mask length steps.
bool Mask::Matches(std::string_view name) const {
  constexpr size_t kNone = static_cast<size_t>(-1);
  size_t t = 0, at = 0;
  size_t starToken = kNone, starAt = 0;
  while (at < name.size()) {
    if (t < tokens_.size()) {
      if (tokens_[t].kind == Kind::Star) {
        starToken = ++t;
        starAt = at;
        continue;
      }
      Decoded d = DecodeAt(name, at);
      if (MatchesOne(tokens_[t], fold_(d.c))) {
        ++t;
        at = d.next;
        continue;
      }
    }
    if (starToken == kNone) return false;
    t = starToken;
    starAt = DecodeAt(name, starAt).next;
    at = starAt;
  }
  if (t < tokens_.size() && tokens_[t].kind == Kind::Star) ++t;
  return t == tokens_.size();
}

TMaskList::TMaskList(const std::array<std::string, kTempMaskSlots>& slots, CaseFold fold) : fold_(fold) {
  for (const std::string& slot : slots) {
    if (slot.empty()) break;
    Add(slot);
  }
}

void TMaskList::Add(std::string_view text) {
  masks_.emplace_back(text, fold_);
}

int TMaskList::IndexOfMatch(std::string_view name) const {
  for (size_t i = 0; i < masks_.size(); ++i)
    if (masks_[i].Matches(name)) return static_cast<int>(i);
  return -1;
}

}  // namespace nx
