#pragma once

#include <cstdint>

namespace xls {

// BIFF8 record types the library reads or writes itself.
inline constexpr std::uint16_t kArray = 0x0221;
inline constexpr std::uint16_t kBlank = 0x0201;
inline constexpr std::uint16_t kBof = 0x0809;
inline constexpr std::uint16_t kBoolErr = 0x0205;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kCodePage = 0x0042;
inline constexpr std::uint16_t kColInfo = 0x007D;
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kDbCell = 0x00D7;
inline constexpr std::uint16_t kDefaultRowHeight = 0x0225;
inline constexpr std::uint16_t kDefColWidth = 0x0055;
inline constexpr std::uint16_t kDimensions = 0x0200;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kExternSheet = 0x0017;
inline constexpr std::uint16_t kExtSst = 0x00FF;
inline constexpr std::uint16_t kFilePass = 0x002F;
inline constexpr std::uint16_t kFont = 0x0031;
inline constexpr std::uint16_t kFormat = 0x041E;
inline constexpr std::uint16_t kFormula = 0x0006;
inline constexpr std::uint16_t kIndex = 0x020B;
inline constexpr std::uint16_t kLabel = 0x0204;
inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kMergedCells = 0x00E5;
inline constexpr std::uint16_t kMsoDrawing = 0x00EC;
inline constexpr std::uint16_t kMsoDrawingGroup = 0x00EB;
inline constexpr std::uint16_t kMulBlank = 0x00BE;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kName = 0x0018;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kRow = 0x0208;
inline constexpr std::uint16_t kRString = 0x00D6;
inline constexpr std::uint16_t kShrFmla = 0x04BC;
inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kString = 0x0207;
inline constexpr std::uint16_t kStyle = 0x0293;
inline constexpr std::uint16_t kSupBook = 0x01AE;
inline constexpr std::uint16_t kTabId = 0x013D;
inline constexpr std::uint16_t kTable = 0x0236;
inline constexpr std::uint16_t kWindow2 = 0x023E;
inline constexpr std::uint16_t kXf = 0x00E0;

// Number formats below this one are built in and need no FORMAT record.
inline constexpr std::uint16_t kFirstUserFormat = 164;

// Stand-ins in a parsed record list for the parts the library writes itself.
inline constexpr std::uint16_t kSheetsPlaceholder = 0xFFF0;
inline constexpr std::uint16_t kSstPlaceholder = 0xFFF1;
inline constexpr std::uint16_t kDrawingGroupPlaceholder = 0xFFF2;

}  // namespace xls
