#include "xls/internal/shared_strings.h"

#include <algorithm>

#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/xls_string.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw Error("Invalid workbook: shared strings " + what); }

// Reads across the boundaries of SST and CONTINUE records. Characters split
// over a boundary continue after an option byte telling their width anew.
class ContinuedReader {
 public:
  explicit ContinuedReader(const std::vector<std::string_view>& parts) : parts_(parts) {}

  std::uint8_t U8() {
    Settle();
    return static_cast<std::uint8_t>(parts_[part_][pos_++]);
  }
  std::uint16_t U16() { return static_cast<std::uint16_t>(U8() | (U8() << 8)); }
  std::uint32_t U32() { return U16() | (static_cast<std::uint32_t>(U16()) << 16); }
  std::string Bytes(std::size_t count) {
    if (count == 0) return {};
    if (count > Remaining()) Fail("end too early");
    std::string out;
    while (out.size() < count) {
      Settle();
      std::size_t take = std::min(count - out.size(), parts_[part_].size() - pos_);
      out.append(parts_[part_].substr(pos_, take));
      pos_ += take;
    }
    return out;
  }
  std::u16string Chars(std::size_t count, bool wide) {
    std::u16string text;
    while (text.size() < count) {
      if (pos_ == parts_[part_].size()) {
        Settle();
        wide = (U8() & 0x01) != 0;
      }
      std::size_t width = wide ? 2 : 1;
      std::size_t take = std::min(count - text.size(), (parts_[part_].size() - pos_) / width);
      if (take == 0) Fail("split inside a character");
      for (std::size_t i = 0; i < take; ++i, pos_ += width)
        text.push_back(wide ? GetU16(parts_[part_], pos_) : static_cast<std::uint8_t>(parts_[part_][pos_]));
    }
    return text;
  }
  std::size_t Remaining() const {
    std::size_t left = parts_[part_].size() - pos_;
    for (std::size_t i = part_ + 1; i < parts_.size(); ++i) left += parts_[i].size();
    return left;
  }

 private:
  void Settle() {
    while (pos_ == parts_[part_].size()) {
      if (part_ + 1 == parts_.size()) Fail("end too early");
      ++part_;
      pos_ = 0;
    }
  }

  const std::vector<std::string_view>& parts_;
  std::size_t part_ = 0;
  std::size_t pos_ = 0;
};

// Lays strings out over SST and CONTINUE records of at most 8,224 bytes and
// remembers where every bucket of strings starts for EXTSST.
class SstLayout {
 public:
  SstLayout(RecordWriter& writer, std::size_t bucket) : writer_(writer), bucket_(bucket) {}

  void Begin(std::uint32_t references, std::uint32_t unique) {
    type_ = kSst;
    AppendU32(data_, references);
    AppendU32(data_, unique);
  }
  void Put(const SharedStrings::Entry& entry, std::size_t index);
  void Finish() { Flush(); }
  const std::string& Buckets() const { return buckets_; }

 private:
  std::size_t Space() const { return kMaxRecordData - data_.size(); }
  void Flush() {
    writer_.Add(type_, data_);
    data_.clear();
    type_ = kContinue;
  }

  RecordWriter& writer_;
  std::size_t bucket_;
  std::uint16_t type_ = kSst;
  std::string data_;
  std::string buckets_;
};

void SstLayout::Put(const SharedStrings::Entry& entry, std::size_t index) {
  bool wide = !FitsCompressed(entry.text);
  std::size_t width = wide ? 2 : 1;
  std::size_t header = 3 + (entry.runs.empty() ? 0 : 2) + (entry.phonetic.empty() ? 0 : 4);
  if (Space() < header + (entry.text.empty() ? 0 : width)) Flush();
  if (index % bucket_ == 0) {
    AppendU32(buckets_, static_cast<std::uint32_t>(writer_.Pos() + 4 + data_.size()));
    AppendU16(buckets_, static_cast<std::uint16_t>(4 + data_.size()));
    AppendU16(buckets_, 0);
  }
  AppendU16(data_, static_cast<std::uint16_t>(entry.text.size()));
  std::uint8_t flags =
      (wide ? 0x01 : 0) | (entry.phonetic.empty() ? 0 : 0x04) | (entry.runs.empty() ? 0 : 0x08);
  AppendU8(data_, flags);
  if (!entry.runs.empty()) AppendU16(data_, static_cast<std::uint16_t>(entry.runs.size() / 4));
  if (!entry.phonetic.empty()) AppendU32(data_, static_cast<std::uint32_t>(entry.phonetic.size()));
  for (std::size_t i = 0; i < entry.text.size(); ++i) {
    if (Space() < width) {
      Flush();
      AppendU8(data_, wide ? 1 : 0);
    }
    if (wide)
      AppendU16(data_, entry.text[i]);
    else
      AppendU8(data_, static_cast<std::uint8_t>(entry.text[i]));
  }
  for (std::size_t at = 0; at < entry.runs.size(); at += 4) {
    if (Space() < 4) Flush();
    data_.append(entry.runs, at, 4);
  }
  for (std::size_t at = 0; at < entry.phonetic.size();) {
    if (Space() == 0) Flush();
    std::size_t take = std::min(Space(), entry.phonetic.size() - at);
    data_.append(entry.phonetic, at, take);
    at += take;
  }
}

}  // namespace

void SharedStrings::Parse(const std::vector<std::string_view>& parts) {
  entries_.clear();
  plain_.clear();
  if (parts.empty()) return;
  ContinuedReader in(parts);
  in.U32();
  std::uint32_t unique = in.U32();
  // Every string takes at least three bytes: a count larger than that allows is damage.
  if (unique > in.Remaining() / 3) Fail("count is larger than the table");
  entries_.reserve(unique);
  for (std::uint32_t i = 0; i < unique; ++i) {
    std::uint16_t count = in.U16();
    std::uint8_t flags = in.U8();
    std::uint16_t runs = (flags & 0x08) ? in.U16() : 0;
    std::uint32_t phonetic = (flags & 0x04) ? in.U32() : 0;
    Entry entry;
    entry.text = in.Chars(count, (flags & 0x01) != 0);
    entry.runs = in.Bytes(std::size_t{runs} * 4);
    entry.phonetic = in.Bytes(phonetic);
    if (entry.runs.empty() && entry.phonetic.empty()) plain_.emplace(entry.text, i);
    entries_.push_back(std::move(entry));
  }
}

std::uint32_t SharedStrings::Add(std::u16string_view text) {
  auto found = plain_.find(std::u16string(text));
  if (found != plain_.end()) return found->second;
  std::uint32_t index = static_cast<std::uint32_t>(entries_.size());
  entries_.push_back(Entry{std::u16string(text), {}, {}});
  plain_.emplace(std::u16string(text), index);
  return index;
}

void SharedStrings::Write(RecordWriter& writer, std::uint32_t references) const {
  std::size_t bucket = std::max<std::size_t>(8, entries_.size() / 128 + 1);
  SstLayout layout(writer, bucket);
  layout.Begin(references, static_cast<std::uint32_t>(entries_.size()));
  for (std::size_t i = 0; i < entries_.size(); ++i) layout.Put(entries_[i], i);
  layout.Finish();
  std::string extsst;
  AppendU16(extsst, static_cast<std::uint16_t>(bucket));
  extsst += layout.Buckets();
  writer.Add(kExtSst, extsst);
}

}  // namespace xls
