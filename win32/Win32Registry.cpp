#include "win32/Win32Registry.h"

#include <windows.h>

#include "win32/WideText.h"

namespace nx {
namespace {

HKEY RootHandle(RootKey root) {
  switch (root) {
    case RootKey::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RootKey::CurrentUser:
      return HKEY_CURRENT_USER;
    case RootKey::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RootKey::Users:
      return HKEY_USERS;
    case RootKey::CurrentConfig:
      return HKEY_CURRENT_CONFIG;
    case RootKey::DynData:
      return HKEY_DYN_DATA;
  }
  return HKEY_CURRENT_USER;
}

class Win32Key : public RegistryKey {
public:
  explicit Win32Key(HKEY key) : key_(key) {}
  ~Win32Key() override { RegCloseKey(key_); }
  Win32Key(const Win32Key&) = delete;
  Win32Key& operator=(const Win32Key&) = delete;

  bool ValueExists(std::string_view name) override {
    return RegQueryValueExW(key_, Widen(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }

  std::optional<std::string> ReadString(std::string_view name) override {
    DWORD type = 0;
    std::vector<BYTE> data;
    LONG result = Query(name, type, data);
    if (result == ERROR_FILE_NOT_FOUND) return std::string();
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    if (size_t nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
    return Narrow(text);
  }

  std::optional<std::int32_t> ReadInteger(std::string_view name) override {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (Query(name, type, data) != ERROR_SUCCESS || type != REG_DWORD || data.size() != sizeof(DWORD))
      return std::nullopt;
    std::int32_t value;
    memcpy(&value, data.data(), sizeof value);
    return value;
  }

  std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) override {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (Query(name, type, data) != ERROR_SUCCESS || type != REG_BINARY) return std::nullopt;
    return std::vector<std::uint8_t>(data.begin(), data.end());
  }

  bool WriteString(std::string_view name, std::string_view value) override {
    std::wstring wide = Widen(value);
    return Set(name, REG_SZ, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  }

  bool WriteInteger(std::string_view name, std::int32_t value) override {
    return Set(name, REG_DWORD, &value, sizeof value);
  }

  bool WriteBinary(std::string_view name, const std::vector<std::uint8_t>& data) override {
    return Set(name, REG_BINARY, data.data(), data.size());
  }

private:
  LONG Query(std::string_view name, DWORD& type, std::vector<BYTE>& data) {
    std::wstring wideName = Widen(name);
    for (;;) {  // the value may grow between the two calls
      DWORD size = 0;
      LONG result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size);
      if (result != ERROR_SUCCESS) return result;
      data.resize(size);
      result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, data.data(), &size);
      if (result == ERROR_MORE_DATA) continue;
      data.resize(size);
      return result;
    }
  }

  bool Set(std::string_view name, DWORD type, const void* data, size_t size) {
    return RegSetValueExW(key_, Widen(name).c_str(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
  }

  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RootKey root, std::string_view path, bool create) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  std::wstring widePath = Widen(path);
  HKEY key = nullptr;
  LONG result = create ? RegCreateKeyExW(RootHandle(root), widePath.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                                         nullptr, &key, nullptr)
                       : RegOpenKeyExW(RootHandle(root), widePath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
  if (result != ERROR_SUCCESS && !create)  // a key we may only read is still worth reading
    result = RegOpenKeyExW(RootHandle(root), widePath.c_str(), 0, KEY_READ, &key);
  if (result != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32Key>(key);
}

}  // namespace nx
