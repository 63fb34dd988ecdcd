#pragma once
#include <memory>
#include <string_view>

#include "core/Registry.h"
#include "services/SettingsStore.h"

namespace nx::test {

// The values the setup program writes for a new installation, but for one
// value left out (omit) or stored as text where a number belongs (mistype).
std::unique_ptr<RegistryKey> WriteSetupDefaults(Registry& registry, const char* path = kSettingsKey,
                                                std::string_view omit = {}, std::string_view mistype = {});

}  // namespace nx::test
