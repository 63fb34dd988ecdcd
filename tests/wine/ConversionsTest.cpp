// The program's own conversions against the platform functions they stand in
// for on the walks' hot path.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/DateTime.h"
#include "win32/WideText.h"

namespace nx::test {
namespace {

TEST(Conversions, NarrowAgreesWithWideCharToMultiByte) {
  for (std::wstring wide :
       {std::wstring(L""), std::wstring(L"plain.tmp"), std::wstring(L"Åäö é ß"), std::wstring(L"中文名.txt"),
        std::wstring(L"\xD83D\xDE00 emoji"), std::wstring(L"lone \xD800 high"), std::wstring(L"lone low \xDC00"),
        std::wstring(L"ends high \xDBFF"), std::wstring(L"\xFFFF\x07FF\x0800\x0080\x007F")}) {
    int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string expected(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), expected.data(), length, nullptr,
                        nullptr);
    EXPECT_EQ(Narrow(wide), expected);
  }
}

TEST(Conversions, CivilFromFileTicksAgreesWithFileTimeToSystemTime) {
  for (ULONGLONG ticks : {0ULL, 1ULL, 9999ULL, 116444736000000000ULL /* 1970 */, 125911583999999999ULL /* 1999 end */,
                          126227808000000000ULL /* 2001 */, 133485408123456789ULL, 159197327990000000ULL /* 2105 */,
                          951981311999999999ULL /* 4617 */}) {
    FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME system;
    ASSERT_TRUE(FileTimeToSystemTime(&time, &system)) << ticks;
    CivilTime expected{system.wYear,   system.wMonth,  system.wDay,         system.wHour,
                       system.wMinute, system.wSecond, system.wMilliseconds};
    EXPECT_EQ(CivilFromFileTicks(ticks), expected) << ticks;
  }
}

}  // namespace
}  // namespace nx::test
