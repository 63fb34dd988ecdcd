#include <gtest/gtest.h>

#include <string>

#include "services/Masks.h"

namespace nx {
namespace {

struct MatchCase {
  const char* mask;
  const char* name;
  bool matches;
};

void ExpectMatches(std::initializer_list<MatchCase> cases, CaseFold fold = FoldAscii) {
  for (const MatchCase& c : cases)
    EXPECT_EQ(Mask(c.mask, fold).Matches(c.name), c.matches) << "mask " << c.mask << " name " << c.name;
}

TEST(MaskMatch, WholeNameWithoutRegardToCase) {
  ExpectMatches({{"*.tmp", "report.tmp", true},
                 {"*.TMP", "report.tmp", true},
                 {"*.tmp", "REPORT.Tmp", true},
                 {"*.tmp", "report.tmp.txt", false},
                 {"*.tmp", "report.tmpx", false},
                 {"*.tmp", "xreport.tm", false},
                 {"*.tmp", ".tmp", true},
                 {"report", "report.tmp", false},
                 {"*.*", "README", false},  // "." matches only itself
                 {"*.*", "README.", true},
                 {"*.*", ".profile", true},
                 {"*", "", true},
                 {"", "", true},
                 {"", "a", false},
                 {"*a*b", "xaxxb", true},
                 {"*a*b", "xbxa", false},
                 {"*ab*ab", "abaabab", true},
                 {"a*b*c", "abbbc", true},
                 {"a*b*c", "acb", false},
                 {"*.*~*", "file.txt~1", true},
                 {"*.*~*", "file~.txt", false},
                 {"x**y", "xy", true}});
}

TEST(MaskMatch, QuestionMarkIsExactlyOneCharacter) {
  ExpectMatches({{"???", "abc", true},
                 {"???", "ab", false},
                 {"???", "abcd", false},
                 {"a?c", "ac", false},
                 {"?*", "", false},
                 {"?*", "a", true},
                 {"?", "\xc3\xa5", true},  // one character in two bytes
                 {"??", "\xc3\xa5", false},
                 {"?", "\xff", true},  // a stray byte is one character
                 {"??", "\xc3", false},
                 // A "?" right after a "*" adds nothing.
                 {"a*?", "a", true},
                 {"*??", "", true},
                 {"a?*", "a", false}});
}

TEST(MaskMatch, Sets) {
  ExpectMatches({{"[abc].txt", "b.txt", true},
                 {"[abc].txt", "B.TXT", true},
                 {"[abc].txt", "d.txt", false},
                 {"[abc].txt", ".txt", false},
                 {"[a-c]x", "Bx", true},
                 {"[a-c]x", "dx", false},
                 {"[A-Z]", "m", true},
                 {"[a-c0-9]", "5", true},
                 {"[a-c0-9]", "-", false},
                 {"[!a-c]x", "dx", true},
                 {"[!a-c]x", "Ax", false},
                 {"[!a-c]x", "x", false},  // a negated set still takes one character
                 {"[!!]", "!", false},
                 {"[a!]", "!", true},
                 {"[*?]", "*", true},
                 {"[*?]", "a", false},
                 {"[[]", "[", true},
                 {"a]", "a]", true},
                 {"[z-ab]", "b", true},  // the reversed range names nothing
                 {"[z-ab]", "m", false},
                 {"[\xc3\xa4-\xc3\xb6]", "\xc3\xa5", true}});
}

TEST(MaskMatch, LettersBeyondAsciiCompareExactlyUnlessTheFoldingSaysOtherwise) {
  ExpectMatches({{"*.\xc3\x85", "FIL.\xc3\x85", true}, {"*.\xc3\x85", "fil.\xc3\xa5", false}});
  auto swedish = [](char32_t c) -> char32_t { return c == U'\u00e5' ? U'\u00c5' : FoldAscii(c); };
  ExpectMatches({{"*.\xc3\x85", "fil.\xc3\xa5", true}, {"[\xc3\xa5]", "\xc3\x85", true}}, swedish);
}

TEST(MaskErrors, InvalidMasksNameTheirPosition) {
  const std::string stars30(30, '*');
  struct Case {
    std::string mask;
    int position;
  };
  for (const Case& c : {Case{"[abc", 5},  // open sets fail one past the end
                        {"*.[", 4},
                        {"[!", 3},
                        {"[a-", 4},
                        {"[]", 2},  // empty sets fail at the "]"
                        {"[!]", 3},
                        {"[z-a]", 5},
                        {"[-a]", 2},  // a "-" needs a character on both sides
                        {"[!-a]", 3},
                        {"[a-]", 3},
                        {"[a-c-e]", 5},
                        {"\xc3\xa5\xc3\xa4[", 4},  // positions count characters, not bytes
                        {stars30 + "*", 31},
                        {"a*b*c*d*e*f*g*h*i*j*k*l*m*n*o*p*q*r*s*t*u*v*w*x*y*z*A*B*C*D*E*", 62}}) {
    try {
      Mask mask(c.mask);
      ADD_FAILURE() << c.mask << " was accepted";
    } catch (const MaskError& e) {
      EXPECT_EQ(e.what(), "'" + c.mask + "' is an invalid mask at (" + std::to_string(c.position) + ")");
    }
  }
  EXPECT_NO_THROW(Mask(stars30 + ".tmp"));
  EXPECT_TRUE(Mask(stars30).Matches("anything"));
}

TEST(MaskList, DefaultMasksInOrder) {
  std::array<std::string, kTempMaskSlots> slots{"*.BAK", "*.OLD", "*.TMP", "*.*~*"};
  TMaskList list(slots);
  EXPECT_EQ(list.Count(), 4);
  struct Case {
    const char* name;
    int index;
  };
  for (const Case& c : {Case{"a.bak", 0},
                        {"A.BAK", 0},
                        {"x.old", 1},
                        {"b.tmp", 2},
                        {"file.txt~1", 3},
                        {"a.b~.bak", 0},  // the first match counts
                        {"old.bak~", 3},
                        {"x.tmp.txt", -1},
                        {"backup~", -1},
                        {"bak", -1}}) {
    EXPECT_EQ(list.IndexOfMatch(c.name), c.index) << c.name;
    EXPECT_EQ(list.Matches(c.name), c.index != -1) << c.name;
  }
}

TEST(MaskList, FirstEmptySlotEndsTheList) {
  std::array<std::string, kTempMaskSlots> slots{"*.BAK", "", "*.TMP"};
  TMaskList list(slots);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.IndexOfMatch("x.tmp"), -1);
  EXPECT_EQ(TMaskList(std::array<std::string, kTempMaskSlots>{}).IndexOfMatch("a"), -1);
}

TEST(MaskList, InvalidSlotThrows) {
  std::array<std::string, kTempMaskSlots> slots{"*.BAK", "*.[TMP"};
  EXPECT_THROW(TMaskList list(slots), MaskError);
}

}  // namespace
}  // namespace nx
