#pragma once
// The outside world a behaviour test runs against: fakes in the native build,
// the real registry and a scratch folder of the build tree under Wine. The
// same tests run on both, so the fakes cannot drift from the real thing.
#include <memory>
#include <optional>
#include <string>

#include "core/DateTimeFormat.h"
#include "core/FileSystem.h"
#include "core/Registry.h"

namespace nx::test {

class TestWorld {
public:
  virtual ~TestWorld() = default;
  virtual Registry& registry() = 0;
  virtual FileSystem& files() = 0;
  virtual const AnsiCodec& codec() = 0;
  // A fresh, empty folder for this test, ending in "\".
  const std::string& folder() const { return folder_; }

  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  virtual void WriteFile(const std::string& path, const std::string& bytes) = 0;

protected:
  std::string folder_;
};

// Empties HKEY_CURRENT_USER\Software\Neatrix and makes a fresh folder.
std::unique_ptr<TestWorld> MakeTestWorld();

class FixedClock : public Clock {
public:
  explicit FixedClock(DateTime now) : now(now) {}
  DateTime Now() const override { return now; }
  DateTime now;
};

inline DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return ToDateTime({year, month, day, hour, minute, second, 0});
}

inline LocaleFormats Formats(std::string shortDate, std::string longTime) {
  LocaleFormats formats;
  formats.shortDate = std::move(shortDate);
  formats.longTime = std::move(longTime);
  return formats;
}

}  // namespace nx::test
