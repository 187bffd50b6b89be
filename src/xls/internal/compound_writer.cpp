#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "xls/internal/byte_reader.h"
#include "xls/internal/compound_file.h"
#include "xls/internal/compound_format.h"
#include "xls/internal/unicode_text.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr std::uint32_t kSectorSize = 512;
constexpr std::uint32_t kEntriesPerSector = kSectorSize / 4;

std::uint32_t SectorsFor(std::size_t bytes, std::size_t unit) {
  return static_cast<std::uint32_t>((bytes + unit - 1) / unit);
}

struct TreeNode {
  std::uint32_t left = kNoStream;
  std::uint32_t right = kNoStream;
  bool red = false;
};

// Directory siblings form a red-black tree ordered by name length, then by
// upper-case name. A tree built by halving is balanced; colouring its last,
// incomplete level red keeps the black height equal on every path.
std::uint32_t BuildTree(const std::vector<std::uint32_t>& sorted, int first, int last, int depth,
                        int full_depth, std::vector<TreeNode>& nodes) {
  if (first > last) return kNoStream;
  int middle = (first + last + 1) / 2;
  std::uint32_t id = sorted[middle];
  nodes[id].red = depth > full_depth;
  nodes[id].left = BuildTree(sorted, first, middle - 1, depth + 1, full_depth, nodes);
  nodes[id].right = BuildTree(sorted, middle + 1, last, depth + 1, full_depth, nodes);
  return id;
}

bool NameLess(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return FoldCase(a) < FoldCase(b);
}

void AppendEntry(std::string& out, const std::u16string& name, std::uint8_t type, const TreeNode& node,
                 std::uint32_t child, std::uint32_t start, std::uint32_t size) {
  std::string entry(kDirectoryEntrySize, '\0');
  for (std::size_t i = 0; i < name.size(); ++i) PutU16(entry, 2 * i, name[i]);
  PutU16(entry, 64, static_cast<std::uint16_t>(name.empty() ? 0 : 2 * (name.size() + 1)));
  entry[66] = static_cast<char>(type);
  entry[67] = static_cast<char>(node.red ? 0 : 1);
  PutU32(entry, 68, node.left);
  PutU32(entry, 72, node.right);
  PutU32(entry, 76, child);
  PutU32(entry, 116, start);
  PutU32(entry, 120, size);
  out += entry;
}

struct Layout {
  std::uint32_t fat = 0, difat = 0, dir = 0, mini_fat = 0, mini_stream = 0, big = 0;
  std::uint32_t Total() const { return fat + difat + dir + mini_fat + mini_stream + big; }
};

void SolveFatSize(Layout& layout) {
  for (;;) {
    std::uint32_t difat = layout.fat > kHeaderDifatEntries
                              ? SectorsFor(layout.fat - kHeaderDifatEntries, kEntriesPerSector - 1)
                              : 0;
    layout.difat = difat;
    if (std::uint64_t{layout.fat} * kEntriesPerSector >= layout.Total()) return;
    ++layout.fat;
  }
}

class CompoundWriter {
 public:
  explicit CompoundWriter(const std::vector<CompoundStream>& streams);
  std::string Write();

 private:
  void PlanMiniStream();
  void Chain(std::vector<std::uint32_t>& table, std::uint32_t first, std::uint32_t count);
  std::string Header() const;
  std::string Directory() const;
  std::string Difat() const;

  const std::vector<CompoundStream>& streams_;
  std::vector<std::u16string> names_;
  std::vector<std::uint32_t> starts_;
  std::string mini_stream_;
  std::vector<std::uint32_t> mini_fat_;
  Layout layout_;
  std::vector<std::uint32_t> fat_;
};

CompoundWriter::CompoundWriter(const std::vector<CompoundStream>& streams)
    : streams_(streams), starts_(streams.size(), kEndOfChain) {
  for (const CompoundStream& stream : streams) {
    names_.push_back(Utf8ToUtf16(stream.name));
    if (names_.back().empty() || names_.back().size() > 31)
      throw Error("Invalid stream name: " + stream.name);
    if (stream.data.size() > 0x7FFFFFFF) throw Error("Stream too large: " + stream.name);
  }
  PlanMiniStream();
  layout_.dir = SectorsFor(streams.size() + 1, kSectorSize / kDirectoryEntrySize);
  layout_.mini_fat = SectorsFor(mini_fat_.size(), kEntriesPerSector);
  layout_.mini_stream = SectorsFor(mini_stream_.size(), kSectorSize);
  for (const CompoundStream& stream : streams)
    if (stream.data.size() >= kMiniStreamCutoff) layout_.big += SectorsFor(stream.data.size(), kSectorSize);
  SolveFatSize(layout_);
}

void CompoundWriter::PlanMiniStream() {
  for (std::size_t i = 0; i < streams_.size(); ++i) {
    const std::string& data = streams_[i].data;
    if (data.empty() || data.size() >= kMiniStreamCutoff) continue;
    std::uint32_t first = static_cast<std::uint32_t>(mini_fat_.size());
    std::uint32_t count = SectorsFor(data.size(), kMiniSectorSize);
    mini_fat_.resize(first + count);
    Chain(mini_fat_, first, count);
    starts_[i] = first;
    mini_stream_ += data;
    mini_stream_.resize(std::size_t{first + count} * kMiniSectorSize, '\0');
  }
}

void CompoundWriter::Chain(std::vector<std::uint32_t>& table, std::uint32_t first, std::uint32_t count) {
  for (std::uint32_t i = 0; i < count; ++i) table[first + i] = i + 1 == count ? kEndOfChain : first + i + 1;
}

std::string CompoundWriter::Header() const {
  std::string header(kSectorSize, '\0');
  header.replace(0, 8, kCompoundSignature, 8);
  PutU16(header, 0x18, 0x003E);
  PutU16(header, 0x1A, 3);
  PutU16(header, 0x1C, 0xFFFE);
  PutU16(header, 0x1E, 9);
  PutU16(header, 0x20, 6);
  PutU32(header, 0x2C, layout_.fat);
  PutU32(header, 0x30, layout_.fat + layout_.difat);
  PutU32(header, 0x38, kMiniStreamCutoff);
  std::uint32_t mini_fat_start = layout_.fat + layout_.difat + layout_.dir;
  PutU32(header, 0x3C, layout_.mini_fat ? mini_fat_start : kEndOfChain);
  PutU32(header, 0x40, layout_.mini_fat);
  PutU32(header, 0x44, layout_.difat ? layout_.fat : kEndOfChain);
  PutU32(header, 0x48, layout_.difat);
  for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
    PutU32(header, 0x4C + 4 * i, i < layout_.fat ? i : kFreeSector);
  return header;
}

std::string CompoundWriter::Difat() const {
  std::string out;
  std::uint32_t next_fat = kHeaderDifatEntries;
  for (std::uint32_t d = 0; d < layout_.difat; ++d) {
    for (std::uint32_t i = 0; i + 1 < kEntriesPerSector; ++i)
      AppendU32(out, next_fat < layout_.fat ? next_fat++ : kFreeSector);
    AppendU32(out, d + 1 == layout_.difat ? kEndOfChain : layout_.fat + d + 1);
  }
  return out;
}

std::string CompoundWriter::Directory() const {
  std::vector<std::uint32_t> sorted;
  for (std::uint32_t i = 0; i < streams_.size(); ++i) sorted.push_back(i + 1);
  std::sort(sorted.begin(), sorted.end(),
            [&](std::uint32_t a, std::uint32_t b) { return NameLess(names_[a - 1], names_[b - 1]); });
  std::vector<TreeNode> nodes(streams_.size() + 1);
  int full_depth = 0;
  while ((2u << full_depth) - 1 <= streams_.size()) ++full_depth;
  std::uint32_t top = BuildTree(sorted, 0, static_cast<int>(sorted.size()) - 1, 0, full_depth - 1, nodes);
  std::string out;
  std::uint32_t mini_start = layout_.fat + layout_.difat + layout_.dir + layout_.mini_fat;
  AppendEntry(out, u"Root Entry", kDirRoot, TreeNode{}, top, mini_stream_.empty() ? kEndOfChain : mini_start,
              static_cast<std::uint32_t>(mini_stream_.size()));
  for (std::size_t i = 0; i < streams_.size(); ++i)
    AppendEntry(out, names_[i], kDirStream, nodes[i + 1], kNoStream, starts_[i],
                static_cast<std::uint32_t>(streams_[i].data.size()));
  while (out.size() % kSectorSize) AppendEntry(out, u"", kDirEmpty, TreeNode{}, kNoStream, 0, 0);
  return out;
}

std::string CompoundWriter::Write() {
  fat_.assign(std::size_t{layout_.fat} * kEntriesPerSector, kFreeSector);
  std::uint32_t at = 0;
  for (std::uint32_t i = 0; i < layout_.fat; ++i) fat_[at++] = kFatSector;
  for (std::uint32_t i = 0; i < layout_.difat; ++i) fat_[at++] = kDifatSector;
  for (std::uint32_t count : {layout_.dir, layout_.mini_fat, layout_.mini_stream}) {
    Chain(fat_, at, count);
    at += count;
  }
  for (std::size_t i = 0; i < streams_.size(); ++i) {
    if (streams_[i].data.size() < kMiniStreamCutoff) continue;
    std::uint32_t count = SectorsFor(streams_[i].data.size(), kSectorSize);
    starts_[i] = at;
    Chain(fat_, at, count);
    at += count;
  }
  std::string out = Header();
  out.reserve(std::size_t{layout_.Total() + 1} * kSectorSize);
  for (std::uint32_t entry : fat_) AppendU32(out, entry);
  out += Difat();
  out += Directory();
  for (std::uint32_t entry : mini_fat_) AppendU32(out, entry);
  while (out.size() % kSectorSize) AppendU32(out, kFreeSector);
  out += mini_stream_;
  out.resize(SectorsFor(out.size(), kSectorSize) * std::size_t{kSectorSize}, '\0');
  for (const CompoundStream& stream : streams_) {
    if (stream.data.size() < kMiniStreamCutoff) continue;
    out += stream.data;
    out.resize(SectorsFor(out.size(), kSectorSize) * std::size_t{kSectorSize}, '\0');
  }
  return out;
}

}  // namespace

std::string WriteCompoundFile(const std::vector<CompoundStream>& streams) {
  CompoundWriter writer(streams);
  return writer.Write();
}

}  // namespace xls
