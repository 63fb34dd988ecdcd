#pragma once
#include "core/Registry.h"

namespace nx {

// The real registry through advapi32. Each key is opened per use and closed
// with its object.
class Win32Registry : public Registry {
public:
  std::unique_ptr<RegistryKey> OpenKey(RootKey root, std::string_view path, bool create) override;
};

}  // namespace nx
