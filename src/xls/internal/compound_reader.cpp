#include <cstdint>
#include <string>
#include <vector>

#include "base/text_excerpt.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/compound_file.h"
#include "xls/internal/compound_format.h"
#include "xls/internal/unicode_text.h"
#include "xls/xls_error.h"

using namespace orv::base;

namespace xls {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw Error("Invalid compound file: " + what); }

struct DirEntry {
  std::string name;
  std::uint8_t type = kDirEmpty;
  std::uint32_t left = kNoStream;
  std::uint32_t right = kNoStream;
  std::uint32_t child = kNoStream;
  std::uint32_t start = kEndOfChain;
  std::uint64_t size = 0;
};

class CompoundReader {
 public:
  explicit CompoundReader(std::string_view bytes);
  std::vector<CompoundStream> TopLevelStreams();

 private:
  void ReadHeader();
  void ReadFat();
  void ReadDirectory();
  void ReadMiniStream();
  std::string_view Sector(std::uint32_t index) const;
  std::vector<std::uint32_t> Chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                                   std::uint32_t limit, const char* what) const;
  std::string ReadChain(std::uint32_t start, std::uint64_t size, const char* what) const;
  std::string ReadStream(const DirEntry& entry) const;

  std::string bytes_;  // padded to whole sectors
  std::uint32_t sector_size_ = 512;
  std::uint32_t sector_count_ = 0;
  std::uint32_t fat_sectors_ = 0;
  std::uint32_t first_dir_ = 0;
  std::uint32_t first_mini_fat_ = 0;
  std::uint32_t mini_fat_sectors_ = 0;
  std::uint32_t first_difat_ = 0;
  std::uint32_t difat_sectors_ = 0;
  std::vector<std::uint32_t> fat_;
  std::vector<std::uint32_t> mini_fat_;
  std::string mini_stream_;
  std::vector<DirEntry> dir_;
};

CompoundReader::CompoundReader(std::string_view bytes) : bytes_(bytes) {
  if (bytes_.size() < 512 || bytes_.compare(0, 8, kCompoundSignature) != 0) Fail("not a compound document");
  ReadHeader();
  ReadFat();
  ReadDirectory();
  ReadMiniStream();
}

void CompoundReader::ReadHeader() {
  ByteReader header(std::string_view(bytes_).substr(0, 512), "Invalid compound file: header");
  header.Skip(0x1A);
  std::uint16_t major = header.U16();
  if (header.U16() != 0xFFFE) Fail("wrong byte order mark");
  std::uint16_t shift = header.U16();
  if (!((major == 3 && shift == 9) || (major == 4 && shift == 12)))
    Fail("unsupported version or sector size");
  if (header.U16() != 6) Fail("unsupported mini sector size");
  sector_size_ = 1u << shift;
  header.Skip(10);  // reserved, directory sector count
  fat_sectors_ = header.U32();
  first_dir_ = header.U32();
  header.Skip(4);
  if (header.U32() != kMiniStreamCutoff) Fail("unsupported mini stream cutoff");
  first_mini_fat_ = header.U32();
  mini_fat_sectors_ = header.U32();
  first_difat_ = header.U32();
  difat_sectors_ = header.U32();
  std::size_t body = bytes_.size() < sector_size_ ? 0 : bytes_.size() - sector_size_;
  std::size_t count = (body + sector_size_ - 1) / sector_size_;
  if (count > kMaxRegularSector) Fail("file too large");
  sector_count_ = static_cast<std::uint32_t>(count);
  bytes_.resize(std::size_t{sector_size_} * (sector_count_ + 1), '\0');
  if (fat_sectors_ > sector_count_) Fail("more FAT sectors than the file holds");
  if (difat_sectors_ > sector_count_) Fail("more DIFAT sectors than the file holds");
}

std::string_view CompoundReader::Sector(std::uint32_t index) const {
  if (index >= sector_count_) Fail("sector " + std::to_string(index) + " lies beyond the end of the file");
  return std::string_view(bytes_).substr(std::size_t{sector_size_} * (index + 1), sector_size_);
}

void CompoundReader::ReadFat() {
  std::vector<std::uint32_t> fat_list;
  for (std::uint32_t i = 0; i < kHeaderDifatEntries && fat_list.size() < fat_sectors_; ++i)
    fat_list.push_back(GetU32(bytes_, 0x4C + 4 * i));
  std::vector<bool> seen(sector_count_, false);
  std::uint32_t next = first_difat_;
  const std::uint32_t per_sector = sector_size_ / 4 - 1;
  for (std::uint32_t n = 0; n < difat_sectors_ && fat_list.size() < fat_sectors_; ++n) {
    if (next >= sector_count_ || seen[next]) Fail("DIFAT chain is broken or has a cycle");
    seen[next] = true;
    std::string_view sector = Sector(next);
    for (std::uint32_t i = 0; i < per_sector && fat_list.size() < fat_sectors_; ++i)
      fat_list.push_back(GetU32(sector, 4 * i));
    next = GetU32(sector, 4 * per_sector);
  }
  if (fat_list.size() < fat_sectors_) Fail("DIFAT lists fewer FAT sectors than the header");
  fat_.reserve(std::size_t{fat_sectors_} * (sector_size_ / 4));
  for (std::uint32_t sector : fat_list) {
    std::string_view data = Sector(sector);
    for (std::uint32_t i = 0; i < sector_size_ / 4; ++i) fat_.push_back(GetU32(data, 4 * i));
  }
}

std::vector<std::uint32_t> CompoundReader::Chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                                                 std::uint32_t limit, const char* what) const {
  std::vector<std::uint32_t> chain;
  std::vector<bool> seen(limit, false);
  for (std::uint32_t sector = start; sector != kEndOfChain;) {
    if (sector >= limit || sector >= table.size())
      Fail(std::string(what) + " chain points to sector " + std::to_string(sector) + " outside the file");
    if (seen[sector]) Fail(std::string(what) + " chain has a cycle");
    seen[sector] = true;
    chain.push_back(sector);
    sector = table[sector];
  }
  return chain;
}

std::string CompoundReader::ReadChain(std::uint32_t start, std::uint64_t size, const char* what) const {
  std::vector<std::uint32_t> chain = Chain(fat_, start, sector_count_, what);
  if (size > std::uint64_t{chain.size()} * sector_size_)
    Fail(std::string(what) + " is shorter than its size");
  std::string data;
  data.reserve(chain.size() * sector_size_);
  for (std::uint32_t sector : chain) data.append(Sector(sector));
  data.resize(static_cast<std::size_t>(size));
  return data;
}

void CompoundReader::ReadDirectory() {
  std::vector<std::uint32_t> chain = Chain(fat_, first_dir_, sector_count_, "directory");
  for (std::uint32_t sector : chain) {
    std::string_view data = Sector(sector);
    for (std::uint32_t at = 0; at + kDirectoryEntrySize <= sector_size_; at += kDirectoryEntrySize) {
      std::string_view raw = data.substr(at, kDirectoryEntrySize);
      DirEntry entry;
      std::uint16_t name_bytes = GetU16(raw, 64);
      std::u16string name;
      for (std::uint16_t i = 0; i + 2 < name_bytes && i < 62; i += 2) name.push_back(GetU16(raw, i));
      entry.name = Utf16ToUtf8(name);
      entry.type = static_cast<std::uint8_t>(raw[66]);
      entry.left = GetU32(raw, 68);
      entry.right = GetU32(raw, 72);
      entry.child = GetU32(raw, 76);
      entry.start = GetU32(raw, 116);
      entry.size = GetU32(raw, 120);
      if (sector_size_ == 4096) entry.size |= std::uint64_t{GetU32(raw, 124)} << 32;
      dir_.push_back(std::move(entry));
    }
  }
  if (dir_.empty() || dir_[0].type != kDirRoot) Fail("the first directory entry is not the root");
}

void CompoundReader::ReadMiniStream() {
  const DirEntry& root = dir_[0];
  if (root.size == 0) return;
  mini_stream_ = ReadChain(root.start, root.size, "mini stream");
  std::vector<std::uint32_t> chain = first_mini_fat_ == kEndOfChain
                                         ? std::vector<std::uint32_t>{}
                                         : Chain(fat_, first_mini_fat_, sector_count_, "mini FAT");
  if (chain.size() < mini_fat_sectors_) Fail("mini FAT is shorter than the header says");
  for (std::uint32_t sector : chain) {
    std::string_view data = Sector(sector);
    for (std::uint32_t i = 0; i < sector_size_ / 4; ++i) mini_fat_.push_back(GetU32(data, 4 * i));
  }
}

std::string CompoundReader::ReadStream(const DirEntry& entry) const {
  if (entry.size >= kMiniStreamCutoff)
    return ReadChain(entry.start, entry.size, ("stream " + entry.name).c_str());
  if (entry.size == 0) return {};
  std::uint32_t mini_count = static_cast<std::uint32_t>(mini_stream_.size() / kMiniSectorSize);
  std::vector<std::uint32_t> chain = Chain(mini_fat_, entry.start, mini_count, "mini stream sector");
  if (entry.size > std::uint64_t{chain.size()} * kMiniSectorSize)
    Fail("stream " + TextExcerpt(entry.name) + " is shorter than its size");
  std::string data;
  for (std::uint32_t sector : chain)
    data.append(mini_stream_, std::size_t{sector} * kMiniSectorSize, kMiniSectorSize);
  data.resize(static_cast<std::size_t>(entry.size));
  return data;
}

std::vector<CompoundStream> CompoundReader::TopLevelStreams() {
  std::vector<CompoundStream> streams;
  std::vector<bool> seen(dir_.size(), false);
  std::vector<std::uint32_t> pending{dir_[0].child};
  std::uint64_t total = 0;  // sectors belong to one stream each, so the sum is bounded by the file
  while (!pending.empty()) {
    std::uint32_t index = pending.back();
    pending.pop_back();
    if (index == kNoStream) continue;
    if (index >= dir_.size() || seen[index]) Fail("directory tree is broken or has a cycle");
    seen[index] = true;
    const DirEntry& entry = dir_[index];
    pending.push_back(entry.left);
    pending.push_back(entry.right);
    if (entry.type != kDirStream) continue;
    total += entry.size;
    if (total > bytes_.size()) Fail("streams are larger than the file");
    streams.push_back({entry.name, ReadStream(entry)});
  }
  return streams;
}

}  // namespace

std::vector<CompoundStream> ReadCompoundFile(std::string_view bytes) {
  CompoundReader reader(bytes);
  return reader.TopLevelStreams();
}

}  // namespace xls
