#include <algorithm>
#include <set>

#include "xls/internal/book.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/sheet_reader.h"
#include "xls/internal/style_tables.h"
#include "xls/internal/unicode_text.h"
#include "xls/internal/xls_string.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr std::uint16_t kBiff8 = 0x0600;

[[noreturn]] void Fail(const std::string& what) { throw Error("Invalid workbook: " + what); }

struct SheetEntry {
  std::uint32_t offset;
  std::uint8_t visibility;
  std::uint8_t kind;
  std::u16string name;
};

SheetEntry ReadSheetEntry(const Record& record) {
  ByteReader in(record.Data(), "Invalid workbook: sheet list");
  SheetEntry entry;
  entry.offset = in.U32();
  entry.visibility = in.U8();
  entry.kind = in.U8();
  entry.name = ReadXlsString(in, true);
  return entry;
}

// A record and the CONTINUE records (or, for drawings, repeats) after it.
std::string Continued(const Record& first, RecordCursor& cursor, std::vector<std::string_view>* parts,
                      std::vector<Record>& keep) {
  std::string data(first.Data());
  keep.push_back(first);
  if (parts) parts->push_back(keep.back().Data());
  while (cursor.PeekType() == kContinue ||
         (first.type == kMsoDrawingGroup && cursor.PeekType() == kMsoDrawingGroup)) {
    keep.push_back(cursor.Next());
    data.append(keep.back().Data());
    if (parts) parts->push_back(keep.back().Data());
  }
  return data;
}

class GlobalsReader {
 public:
  GlobalsReader(XlsBook& book, std::string_view stream) : book_(book), stream_(stream), cursor_(stream, 0) {}
  void Read();
  void ReadSheets();

 private:
  void Take(const Record& record);
  void Placeholder(std::uint16_t type) { book_.globals.push_back(Record{type, nullptr}); }

  XlsBook& book_;
  std::string_view stream_;
  RecordCursor cursor_;
  std::vector<SheetEntry> entries_;
  std::vector<Record> sst_records_;
  bool has_sst_ = false;
  std::size_t styles_ = 0;
};

void GlobalsReader::Read() {
  if (cursor_.PeekType() != kBof) Fail("the workbook stream does not start with BOF");
  Record bof = cursor_.Next();
  if (bof.Data().size() < 4 || GetU16(bof.Data(), 0) != kBiff8) throw Error(kNoWorkbookStream);
  book_.globals.push_back(bof);
  for (;;) {
    if (cursor_.AtEnd()) Fail("the workbook globals have no end");
    Record record = cursor_.Next();
    if (record.type == kEof) break;
    Take(record);
  }
  if (!has_sst_) Placeholder(kSstPlaceholder);
  if (entries_.empty()) Fail("the workbook has no sheets");
  styles_ = CheckStyleTables(book_.globals);
}

void GlobalsReader::Take(const Record& record) {
  switch (record.type) {
    case kFilePass:
      Fail("the workbook is encrypted");
    case kBoundSheet:
      if (entries_.empty()) Placeholder(kSheetsPlaceholder);
      entries_.push_back(ReadSheetEntry(record));
      return;
    case kSst: {
      if (has_sst_) Fail("the workbook has two string tables");
      has_sst_ = true;
      std::vector<std::string_view> parts;
      Continued(record, cursor_, &parts, sst_records_);
      book_.strings.Parse(parts);
      Placeholder(kSstPlaceholder);
      return;
    }
    case kExtSst:
      return;
    case kMsoDrawingGroup: {
      if (book_.drawings.Present()) Fail("the workbook has two drawing groups");
      std::vector<Record> keep;
      book_.drawings.Parse(Continued(record, cursor_, nullptr, keep));
      Placeholder(kDrawingGroupPlaceholder);
      return;
    }
    default:
      book_.globals.push_back(record);
  }
}

void GlobalsReader::ReadSheets() {
  std::size_t read = 0;
  for (const SheetEntry& entry : entries_) {
    auto sheet = std::make_unique<XlsSheetData>(&book_);
    sheet->name = entry.name;
    sheet->visibility = entry.visibility;
    sheet->kind = entry.kind;
    std::size_t end = ReadSheet(*sheet, stream_, entry.offset, book_.strings, styles_);
    // Sheets do not share bytes, so together they cannot be larger than the stream.
    read += end - entry.offset;
    if (read > stream_.size()) Fail("sheets overlap");
    book_.sheets.push_back(std::move(sheet));
  }
  book_.IndexNames();
}

bool IsWorkbookStream(const std::string& name) {
  return name.size() == 8 && FoldCase(Utf8ToUtf16(name)) == u"WORKBOOK";
}

// Other streams (document properties and the like) travel with the workbook,
// except nameless ones and repeats of a name, which no directory may hold.
void KeepOtherStreams(std::vector<CompoundStream>& streams, const CompoundStream& workbook, XlsBook& book) {
  std::set<std::u16string> names{u"WORKBOOK"};
  for (CompoundStream& stream : streams) {
    if (&stream == &workbook || stream.name.empty()) continue;
    std::u16string name = FoldCase(Utf8ToUtf16(stream.name));
    if (!names.insert(name).second) continue;
    book.other_streams.push_back(std::move(stream));
  }
}

}  // namespace

std::unique_ptr<XlsBook> ReadBook(std::string_view file) {
  std::vector<CompoundStream> streams = ReadCompoundFile(file);
  auto workbook = std::find_if(streams.begin(), streams.end(),
                               [](const CompoundStream& stream) { return IsWorkbookStream(stream.name); });
  if (workbook == streams.end()) throw Error(kNoWorkbookStream);
  auto book = std::make_unique<XlsBook>();
  GlobalsReader reader(*book, workbook->data);
  reader.Read();
  reader.ReadSheets();
  KeepOtherStreams(streams, *workbook, *book);
  return book;
}

}  // namespace xls
