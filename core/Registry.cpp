#include "core/Registry.h"

#include <algorithm>
#include <cmath>

namespace nx {

std::optional<bool> ReadBool(RegistryKey& key, std::string_view name) {
  auto value = key.ReadInteger(name);
  if (!value) return std::nullopt;
  return *value != 0;
}

bool WriteBool(RegistryKey& key, std::string_view name, bool value) {
  return key.WriteInteger(name, value ? 1 : 0);
}

std::optional<DateTime> ReadDateTime(RegistryKey& key, std::string_view name) {
  auto data = key.ReadBinary(name);
  if (!data || data->size() != 8) return std::nullopt;
  std::array<std::uint8_t, 8> bytes;
  std::copy(data->begin(), data->end(), bytes.begin());
  DateTime value = DateTimeFromBytes(bytes);
  // Years 1 to 9999, the range every date routine accepts.
  if (!std::isfinite(value) || value < -693593.0 || value >= 2958466.0) return std::nullopt;
  return value;
}

bool WriteDateTime(RegistryKey& key, std::string_view name, DateTime value) {
  auto bytes = DateTimeToBytes(value);
  return key.WriteBinary(name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

}  // namespace nx
