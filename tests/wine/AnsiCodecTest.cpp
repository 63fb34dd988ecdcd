#include <windows.h>

#include <gtest/gtest.h>

#include "app/logic/EventLog.h"
#include "tests/support/TestWorld.h"
#include "win32/WideText.h"
#include "win32/Win32FileSystem.h"

namespace nx::test {
namespace {

// The prefix runs with code page 1252.
TEST(AnsiCodec, WritesTheCodePageAndMarksWhatItCannotHold) {
  ASSERT_EQ(GetACP(), 1252u);
  Win32AnsiCodec codec;
  EXPECT_EQ(codec.ToAnsi("plain"), "plain");
  EXPECT_EQ(codec.ToAnsi("s\xc3\xb6k \xe2\x82\xac"), "s\xf6k \x80");  // ö and the euro sign exist in 1252
  EXPECT_EQ(codec.ToAnsi("\xe6\x8a\xa5\xe5\x91\x8a.tmp"), "<U+62A5><U+544A>.tmp");
  EXPECT_EQ(codec.ToAnsi("\xf0\x9f\x98\x80"), "<U+1F600>");  // a surrogate pair is one character
  EXPECT_EQ(codec.ToAnsi("\xc4\x9b"), "<U+011B>");           // no best-fit "e"
}

TEST(EventLogOnDisk, ALockedFileFailsAndTheNextLineGoesIn) {
  auto world = MakeTestWorld();
  FixedClock clock(At(2004, 5, 12, 14, 3, 11));
  EventLog log(world->files(), world->codec(), clock, Formats("yyyy-MM-dd", "HH:mm:ss"), world->folder());
  ASSERT_TRUE(log.WriteLog("first"));
  // Held without sharing, as a program that locks the file would; a wait
  // here would hang the test until ctest's time-out.
  HANDLE locked = CreateFileW(Widen(log.FileNameFor(clock.now)).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(log.WriteLog("while locked"));
  CloseHandle(locked);
  EXPECT_TRUE(log.WriteLog("after"));
  std::string text = *world->ReadFile(log.FileNameFor(clock.now));
  EXPECT_EQ(text.find("while locked"), std::string::npos);
  EXPECT_NE(text.find("after"), std::string::npos);
}

TEST(EventLogOnDisk, NamesOutsideTheCodePageLeaveATrace) {
  auto world = MakeTestWorld();
  FixedClock clock(At(2004, 5, 12, 14, 3, 11));
  EventLog log(world->files(), world->codec(), clock, Formats("yyyy-MM-dd", "HH:mm:ss"), world->folder());
  ASSERT_TRUE(log.WriteLog("Deleted C:\\Temp\\r\xc3\xa4kning-\xe6\x8a\xa5.tmp."));
  std::string text = *world->ReadFile(log.FileNameFor(clock.now));
  EXPECT_NE(text.find("Deleted C:\\Temp\\r\xe4kning-<U+62A5>.tmp."), std::string::npos) << text;
}

}  // namespace
}  // namespace nx::test
