#pragma once
// The registry as the OS-free code sees it. Key paths and value names are
// compared without regard to case; a path may begin with "\".
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DateTime.h"

namespace nx {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

class RegistryKey {
public:
  virtual ~RegistryKey() = default;
  virtual bool ValueExists(std::string_view name) = 0;
  // A missing value reads as the empty text; one of another type as nullopt.
  virtual std::optional<std::string> ReadString(std::string_view name) = 0;
  // nullopt when missing or of another type.
  virtual std::optional<std::int32_t> ReadInteger(std::string_view name) = 0;
  virtual std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) = 0;
  virtual bool WriteString(std::string_view name, std::string_view value) = 0;
  virtual bool WriteInteger(std::string_view name, std::int32_t value) = 0;
  virtual bool WriteBinary(std::string_view name, const std::vector<std::uint8_t>& data) = 0;
};

class Registry {
public:
  virtual ~Registry() = default;
  // nullptr when the key does not exist (and create is false) or cannot be opened.
  virtual std::unique_ptr<RegistryKey> OpenKey(RootKey root, std::string_view path, bool create) = 0;
};

// Booleans are 32-bit integers: 0 is false, anything else true.
std::optional<bool> ReadBool(RegistryKey& key, std::string_view name);
bool WriteBool(RegistryKey& key, std::string_view name, bool value);
// A date-time is an 8-byte binary value; any other size or a value that is no
// date reads as nullopt.
std::optional<DateTime> ReadDateTime(RegistryKey& key, std::string_view name);
bool WriteDateTime(RegistryKey& key, std::string_view name, DateTime value);

}  // namespace nx
