#include "platform/win32/win32_settings_store.h"

#include <windows.h>

#include <vector>

#include "base/errors.h"
#include "platform/common/wide_text.h"

using namespace orv::base;

namespace orv::platform {

namespace {

class KeyHandle {
 public:
  ~KeyHandle() {
    if (key_) RegCloseKey(key_);
  }
  HKEY* Out() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

[[noreturn]] void FailedToGet(const std::string& name) {
  throw OrvError("Failed to get data for '" + name + "'");
}

// The value's UTF-16 text without the terminating zeros the registry may keep.
std::wstring StringOf(std::vector<wchar_t> data) {
  std::wstring text(data.begin(), data.end());
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace

Win32SettingsStore::Win32SettingsStore(std::wstring key) : key_(std::move(key)) {}

std::optional<std::string> Win32SettingsStore::ReadString(const std::string& name) {
  KeyHandle key;
  const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_QUERY_VALUE, key.Out());
  if (opened == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (opened != ERROR_SUCCESS) FailedToGet(name);
  const std::wstring valueName = WideFromUtf8(name);
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS queried = RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size);
  if (queried == ERROR_FILE_NOT_FOUND) return std::nullopt;
  // A DWORD or binary value under the same name is not ours to reinterpret:
  // the caller keeps what it had.
  if (queried != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) FailedToGet(name);
  std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  queried = RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size);
  if (queried != ERROR_SUCCESS) FailedToGet(name);
  data.resize(size / sizeof(wchar_t));
  return Utf8FromWide(StringOf(std::move(data)));
}

void Win32SettingsStore::WriteString(const std::string& name, const std::string& value) {
  KeyHandle key;
  LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_SET_VALUE, nullptr, key.Out(), nullptr);
  if (status == ERROR_SUCCESS) {
    const std::wstring text = WideFromUtf8(value);
    const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    status = RegSetValueExW(key.Get(), WideFromUtf8(name).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()), size);
  }
  if (status != ERROR_SUCCESS) throw OrvError("Failed to set data for '" + name + "'");
}

}  // namespace orv::platform
