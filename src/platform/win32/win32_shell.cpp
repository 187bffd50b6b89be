#include "platform/win32/win32_shell.h"

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <objbase.h>
#include <shellapi.h>

#include "base/file_open.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::platform {

namespace {

// ShellExecuteW's result: above 32 the document was handed to a program.
long long ShellOpen(const std::string& path) {
  const std::wstring document = PathFromUtf8(path).make_preferred().wstring();
  // Documents may be opened by shell extensions that expect COM to be there.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const HINSTANCE result = ShellExecuteW(nullptr, L"open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (SUCCEEDED(com)) CoUninitialize();
  return reinterpret_cast<INT_PTR>(result);
}

}  // namespace

void Win32Shell::OpenDocument(const std::string& path) { (void)ShellOpen(path); }

bool Win32Shell::TryOpenDocument(const std::string& path, std::string& why) {
  const long long code = ShellOpen(path);
  if (code > 32) return true;
  why = ShellOpenFailure(code);
  return false;
}

std::string ShellOpenFailure(long long code) {
  switch (code) {
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
      return LocalText("Report_no_program");
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return LocalText("Report_open_not_found");
    case SE_ERR_ACCESSDENIED:
      return LocalText("Report_open_denied");
    default:
      return LocalText("Report_open_code") + " " + std::to_string(code) + ".";
  }
}

}  // namespace orv::platform
