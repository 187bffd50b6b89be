#include "platform/win32/win32_shell.h"

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <objbase.h>
#include <shellapi.h>

#include "base/file_open.h"

using namespace orv::base;

namespace orv::platform {

void Win32Shell::OpenDocument(const std::string& path) {
  const std::wstring document = PathFromUtf8(path).make_preferred().wstring();
  // Documents may be opened by shell extensions that expect COM to be there.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  ShellExecuteW(nullptr, L"open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace orv::platform
