#pragma once
// An in-memory registry with the real one's rules: names without regard to
// case, typed values, missing strings reading empty.
#include <map>
#include <variant>

#include "core/Registry.h"

namespace nx::test {

class FakeRegistry : public Registry {
public:
  using Value = std::variant<std::string, std::int32_t, std::vector<std::uint8_t>>;
  struct Key {
    std::map<std::string, Value> values;  // upper-cased names
  };

  std::unique_ptr<RegistryKey> OpenKey(RootKey root, std::string_view path, bool create) override;

private:
  std::map<std::pair<RootKey, std::string>, Key> keys_;  // upper-cased paths without leading "\"
};

}  // namespace nx::test
