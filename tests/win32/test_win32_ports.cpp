#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "base/errors.h"
#include "platform/common/wide_text.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "settings/localization.h"
#include "settings/texts/report_extra_texts.h"

using namespace orv::base;
using namespace orv::platform;
using namespace orv::settings;

namespace {

// A key of the test's own, so the user's settings are never touched.
class Win32SettingsStoreTest : public testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
  static constexpr const wchar_t* kKey = L"Software\\Mirvex\\Quorin-tests\\Param";
  Win32SettingsStore store{kKey};
};

TEST_F(Win32SettingsStoreTest, StringValuesRoundTripAndMissingOnesAreNone) {
  EXPECT_EQ(store.ReadString("Language"), std::nullopt);
  store.WriteString("Language", "0");
  store.WriteString("Units", "1");
  store.WriteString("Заметка", "Линия 35 кВ");
  EXPECT_EQ(store.ReadString("Language"), "0");
  EXPECT_EQ(store.ReadString("Units"), "1");
  EXPECT_EQ(store.ReadString("Заметка"), "Линия 35 кВ");
  EXPECT_EQ(store.ReadString("Missing"), std::nullopt);
  store.WriteString("Language", "");
  EXPECT_EQ(store.ReadString("Language"), "");
}

// A number stored under the name is not a setting the program wrote: the
// read fails, so the caller keeps what it had.
TEST_F(Win32SettingsStoreTest, ValueOfAnotherTypeFailsTheRead) {
  const DWORD number = 1;
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Language", REG_DWORD, &number, sizeof number),
            ERROR_SUCCESS);
  EXPECT_THROW(store.ReadString("Language"), OrvError);
}

TEST(Win32Folders, SharedDataFolderIsTheCommonApplicationDataOrTheVariable) {
  Win32Folders folders;
  _wputenv_s(L"ORVANE_DATA_DIR", L"");
  const std::string common = folders.SharedDataFolder();
  const std::string tail = "ProgramData/Mirvex/Quorin/";
  EXPECT_EQ(common.size() - common.rfind(tail), tail.size()) << common;
  _wputenv_s(L"ORVANE_DATA_DIR", L"D:\\Общие данные");
  EXPECT_EQ(folders.SharedDataFolder(), "D:\\Общие данные/");
  _wputenv_s(L"ORVANE_DATA_DIR", L"");
  const std::string program = folders.ProgramFolder();
  EXPECT_EQ(program.back(), '/');
}

TEST(WideText, Utf8AndUtf16Convert) {
  EXPECT_EQ(Utf8FromWide(L"Опора №12 \U0001F600"), "Опора №12 \U0001F600");
  EXPECT_EQ(WideFromUtf8("Опора №12 \U0001F600"), L"Опора №12 \U0001F600");
  EXPECT_EQ(Utf8FromWide(L""), "");
}

// What Explorer shows of the program file: its icon and its version, and the
// manifest that gives it long paths and UTF-8 as its narrow code page.
TEST(ProgramFile, CarriesItsIconVersionAndManifest) {
  const std::wstring exe =
      (std::filesystem::path(WideFromUtf8(ORVANE_PROGRAM_DIR)) / L"orvane.exe").wstring();
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &unused);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
  void* text = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\040904B0\\ProductVersion", &text, &length));
  EXPECT_EQ(Utf8FromWide(static_cast<const wchar_t*>(text)), ORVANE_VERSION);

  HMODULE program = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
  EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST), nullptr);
  FreeLibrary(program);
}

}  // namespace

// A report that cannot be opened is still saved; the message must say why.
TEST(Win32Shell, ADocumentThatIsNotThereIsNotOpenedAndTheReasonSaysSo) {
  RegisterReportExtraTexts();
  const std::filesystem::path missing = std::filesystem::temp_directory_path() / "orvane-no-such-report.xls";
  std::string why;
  EXPECT_FALSE(Win32Shell().TryOpenDocument(missing.string(), why));
  EXPECT_EQ(why, LocalText("Report_open_not_found"));
}
