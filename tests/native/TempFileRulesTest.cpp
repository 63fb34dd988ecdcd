#include <gtest/gtest.h>

#include "cleaners/files/TempFileRules.h"

namespace nx {
namespace {

TEST(TempFileRules, TheFirstRuleThatDecidesWins) {
  TMaskList masks;
  for (const char* mask : {"*.BAK", "*.OLD", "*.TMP", "*.*~*"}) masks.Add(mask);
  TempFileRules rules{"C:\\Neatrix\\Backup\\", "C:\\Windows\\Temp\\", true, true, &masks};
  struct Case {
    const char* path;
    std::uint64_t size;
    bool winTmp, zeroLength, listed;
  };
  for (const Case& c : std::vector<Case>{
           {"D:\\work\\report.tmp", 10, true, true, true},
           {"D:\\work\\report.tmp.txt", 10, true, true, false},
           {"D:\\work\\notes.txt~1", 10, true, true, true},
           {"D:\\work\\README", 10, true, true, false},
           {"D:\\work\\empty.txt", 0, true, true, true},
           {"D:\\work\\empty.txt", 0, true, false, false},
           {"C:\\WINDOWS\\TEMP\\setup.log", 10, true, false, true},  // the temporary folder without case
           {"C:\\Windows\\Temp\\setup.log", 10, false, false, false},
           {"C:\\Windows\\Temp\\old.bak", 10, false, false, true},           // masks still count there
           {"C:\\Neatrix\\Backup\\Reg_Backup_1.bak", 0, true, true, false},  // the backup folder wins
           {"C:\\NEATRIX\\BACKUP\\Reg_Backup_1.bak", 10, true, true, true},  // ...compared with case
           {"D:\\dir.tmp\\plain.txt", 10, true, true, false},                // a mask sees the file name only
       }) {
    rules.winTmp = c.winTmp;
    rules.zeroLength = c.zeroLength;
    EXPECT_EQ(IsTemporaryFile({c.path, c.size, 0, 0}, rules), c.listed) << c.path << " size " << c.size;
  }
}

}  // namespace
}  // namespace nx
