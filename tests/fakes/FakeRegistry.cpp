#include "tests/fakes/FakeRegistry.h"

#include "core/TextUtil.h"

namespace nx::test {
namespace {

class FakeKey : public RegistryKey {
public:
  explicit FakeKey(FakeRegistry::Key& key) : key_(key) {}

  bool ValueExists(std::string_view name) override { return key_.values.count(UpperAscii(name)) > 0; }

  std::optional<std::string> ReadString(std::string_view name) override {
    auto it = key_.values.find(UpperAscii(name));
    if (it == key_.values.end()) return std::string();
    if (auto* text = std::get_if<std::string>(&it->second)) return *text;
    return std::nullopt;
  }

  std::optional<std::int32_t> ReadInteger(std::string_view name) override { return Get<std::int32_t>(name); }
  std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) override {
    return Get<std::vector<std::uint8_t>>(name);
  }

  bool WriteString(std::string_view name, std::string_view value) override { return Set(name, std::string(value)); }
  bool WriteInteger(std::string_view name, std::int32_t value) override { return Set(name, value); }
  bool WriteBinary(std::string_view name, const std::vector<std::uint8_t>& data) override { return Set(name, data); }

private:
  template <typename T>
  std::optional<T> Get(std::string_view name) {
    auto it = key_.values.find(UpperAscii(name));
    if (it == key_.values.end()) return std::nullopt;
    if (auto* value = std::get_if<T>(&it->second)) return *value;
    return std::nullopt;
  }

  bool Set(std::string_view name, FakeRegistry::Value value) {
    key_.values[UpperAscii(name)] = std::move(value);
    return true;
  }

  FakeRegistry::Key& key_;
};

}  // namespace

std::unique_ptr<RegistryKey> FakeRegistry::OpenKey(RootKey root, std::string_view path, bool create) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  std::string upper = UpperAscii(path);
  auto it = keys_.find({root, upper});
  if (it == keys_.end()) {
    if (!create) return nullptr;
    // Creating a key creates its parents, as the real registry does.
    for (size_t slash = upper.find('\\'); slash != std::string::npos; slash = upper.find('\\', slash + 1))
      keys_.try_emplace({root, upper.substr(0, slash)});
    it = keys_.try_emplace({root, upper}).first;
  }
  return std::make_unique<FakeKey>(it->second);
}

}  // namespace nx::test
