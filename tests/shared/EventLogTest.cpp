#include <gtest/gtest.h>

#include "app/logic/EventLog.h"
#include "tests/support/TestWorld.h"

namespace nx::test {
namespace {

class EventLogTest : public testing::Test {
protected:
  EventLogTest()
      : world(MakeTestWorld()),
        clock(At(2004, 5, 12, 14, 3, 11)),
        log(world->files(), world->codec(), clock, Formats("yyyy-MM-dd", "HH:mm:ss"), world->folder()) {}

  std::string LogFile(const std::string& name) { return world->folder() + "Loggs\\" + name; }

  std::unique_ptr<TestWorld> world;
  FixedClock clock;
  EventLog log;
};

TEST_F(EventLogTest, FirstLineOfTheDayStartsTheFile) {
  ASSERT_TRUE(log.WriteLog("Scan for temporary files started."));
  ASSERT_TRUE(log.WriteLog("Scan for temporary files finished."));  // same second, in call order
  EXPECT_EQ(world->ReadFile(LogFile("Logg2004-05-12.txt")),
            "******************** Neatrix! log created 2004-05-12 14:03:11 ********************\r\n"
            "\r\n"
            "\r\n"
            "2004-05-12 14:03:11     Scan for temporary files started.\r\n"
            "2004-05-12 14:03:11     Scan for temporary files finished.\r\n");
}

TEST_F(EventLogTest, SessionEndWritesTwoBlankLinesWithoutStamp) {
  log.WriteLog("************ Session terminated ************");
  log.WriteLog(" ");
  log.WriteLog(" ");
  std::string text = *world->ReadFile(LogFile("Logg2004-05-12.txt"));
  EXPECT_TRUE(text.ends_with("2004-05-12 14:03:11     ************ Session terminated ************\r\n \r\n \r\n"))
      << text;
}

TEST_F(EventLogTest, FileNameFollowsTheShortDateFormat) {
  struct Case {
    const char* shortDate;
    const char* fileName;
  };
  for (const Case& c : std::vector<Case>{{"yyyy-MM-dd", "Logg2004-05-12.txt"},
                                         {"dd/MM/yyyy", "Logg12-05-2004.txt"},
                                         {"dd.MM.yyyy", "Logg12.05.2004.txt"},
                                         {"M/d/yyyy", "Logg5-12-2004.txt"},
                                         {"yyyy'\\'MM'\\'dd", "Logg2004-05-12.txt"}}) {
    auto fresh = MakeTestWorld();
    EventLog dated(fresh->files(), fresh->codec(), clock, Formats(c.shortDate, "HH:mm:ss"), fresh->folder());
    ASSERT_TRUE(dated.WriteLog("x")) << c.shortDate;
    EXPECT_TRUE(fresh->ReadFile(fresh->folder() + "Loggs\\" + c.fileName)) << c.shortDate;
  }
}

TEST_F(EventLogTest, PastMidnightTheNextDaysFileBegins) {
  clock.now = At(2004, 5, 12, 23, 59, 59);
  log.WriteLog("before");
  clock.now = At(2004, 5, 13, 0, 0, 1);
  log.WriteLog("after");
  std::string first = *world->ReadFile(LogFile("Logg2004-05-12.txt"));
  std::string second = *world->ReadFile(LogFile("Logg2004-05-13.txt"));
  EXPECT_NE(first.find("before"), std::string::npos);
  EXPECT_EQ(first.find("after"), std::string::npos);
  EXPECT_TRUE(second.starts_with("******************** Neatrix! log created 2004-05-13 00:00:01")) << second;
  EXPECT_TRUE(second.ends_with("2004-05-13 00:00:01     after\r\n")) << second;
}

TEST_F(EventLogTest, AFolderThatCannotBeMadeFailsQuietly) {
  world->WriteFile(world->folder() + "Loggs", "a file where the folder belongs");
  EXPECT_FALSE(log.WriteLog("lost"));
}

}  // namespace
}  // namespace nx::test
