#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/FormatSize.h"

namespace nx {
namespace {

TEST(FormatSize, CutsDigitsByTheirCount) {
  struct Case {
    std::int64_t bytes;
    const char* text;
  };
  for (const Case& c : {Case{0, "0 byte"},
                        {512, "512 byte"},
                        {999, "999 byte"},
                        {1000, "1,00 Kb"},
                        {1239, "1,23 Kb"},  // cut, not rounded
                        {12345, "12,34 Kb"},
                        {123456, "123 Kb"},
                        {1234567, "1,23 Mb"},
                        {12345678, "12,34 Mb"},
                        {999000000, "999 Mb"},
                        {1000000000, "1,00 Gb"},
                        {99999999999, "99,99 Gb"},
                        {999999999999, "999 Gb"},
                        {1234567890123, "1,23 Tb"},
                        {12345678901234, "12,34 Tb"},
                        {123456789012345, "123 Tb"},
                        {1234567890123456, "1234 Tb"},
                        {std::numeric_limits<std::int64_t>::max(), "9223372 Tb"},
                        {-1, "-1 byte"},  // a sum that could not be formed
                        {-123456, "-123456 byte"}})
    EXPECT_EQ(FormatSize(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace nx
