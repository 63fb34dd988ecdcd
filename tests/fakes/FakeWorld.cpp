// The native test world: an in-memory registry and file system.
#include <map>
#include <set>

#include "core/TextUtil.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/support/TestWorld.h"

namespace nx::test {
namespace {

// Paths compare without regard to case, as on Windows.
class FakeFileSystem : public FileSystem {
public:
  FakeFileSystem() { folders_.insert(""); }

  bool DirectoryExists(std::string_view path) override { return folders_.count(Key(path)) > 0; }
  bool FileExists(std::string_view path) override { return files_.count(Key(path)) > 0; }

  bool MakeDirectory(std::string_view path) override {
    std::string key = Key(path);
    if (folders_.count(key) || files_.count(key) || !folders_.count(Parent(key))) return false;
    folders_.insert(key);
    return true;
  }

  bool AppendToFile(std::string_view path, std::string_view bytes) override {
    std::string key = Key(path);
    if (folders_.count(key) || !folders_.count(Parent(key))) return false;
    files_[key] += bytes;
    return true;
  }

  std::optional<std::string> Read(const std::string& path) {
    auto it = files_.find(Key(path));
    return it == files_.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  void Write(const std::string& path, const std::string& bytes) { files_[Key(path)] = bytes; }
  void AddFolder(const std::string& path) { folders_.insert(Key(path)); }

private:
  static std::string Key(std::string_view path) {
    std::string key = UpperAscii(path);
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return key;
  }
  static std::string Parent(const std::string& key) {
    size_t slash = key.rfind('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
  }

  std::set<std::string> folders_;
  std::map<std::string, std::string> files_;
};

// UTF-8 passes through; the real code page is tested under Wine.
class PassThroughCodec : public AnsiCodec {
public:
  std::string ToAnsi(std::string_view utf8) const override { return std::string(utf8); }
};

class FakeWorld : public TestWorld {
public:
  FakeWorld() {
    folder_ = "C:\\Program Files\\Neatrix\\";
    files_.AddFolder("C:");
    files_.AddFolder("C:\\Program Files");
    files_.AddFolder("C:\\Program Files\\Neatrix");
  }
  Registry& registry() override { return registry_; }
  FileSystem& files() override { return files_; }
  const AnsiCodec& codec() override { return codec_; }
  std::optional<std::string> ReadFile(const std::string& path) override { return files_.Read(path); }
  void WriteFile(const std::string& path, const std::string& bytes) override { files_.Write(path, bytes); }

private:
  FakeRegistry registry_;
  FakeFileSystem files_;
  PassThroughCodec codec_;
};

}  // namespace

std::unique_ptr<TestWorld> MakeTestWorld() {
  return std::make_unique<FakeWorld>();
}

}  // namespace nx::test
