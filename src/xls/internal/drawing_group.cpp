#include "xls/internal/drawing_group.h"

#include <algorithm>

#include "xls/internal/byte_reader.h"
#include "xls/internal/office_art.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw Error("Invalid workbook: drawing group " + what); }

constexpr std::size_t kReferenceOffset = 8 + 24;  // of cRef in a picture-store entry

std::string Header(std::uint16_t word, std::uint16_t type, std::size_t length) {
  std::string out;
  AppendU16(out, word);
  AppendU16(out, type);
  AppendU32(out, static_cast<std::uint32_t>(length));
  return out;
}

}  // namespace

void DrawingGroup::Parse(std::string_view data) {
  std::vector<ArtRecord> records = ListArtRecords(data);
  if (records.empty() || records[0].type != kArtDggContainer || records[0].version != 0x0F)
    Fail("has no container");
  present_ = true;
  header_word_ = GetU16(data, 0);
  trailing_ = std::string(data.substr(records[0].Body() + records[0].length));
  for (const ArtRecord& child : ArtChildren(data, records[0])) {
    std::string_view bytes = data.substr(child.offset, 8 + std::size_t{child.length});
    if (child.type == kArtFdgg) {
      if (child.length < 16 || (child.length - 16) % 8 != 0) Fail("cluster table has a wrong size");
      max_shape_id_ = GetU32(data, child.Body());
      saved_shapes_ = GetU32(data, child.Body() + 8);
      saved_drawings_ = GetU32(data, child.Body() + 12);
      for (std::size_t at = child.Body() + 16; at < child.Body() + child.length; at += 8)
        clusters_.push_back({GetU32(data, at), GetU32(data, at + 4)});
      children_.push_back({child.type, {}});
    } else if (child.type == kArtBStoreContainer && child.version == 0x0F) {
      for (const ArtRecord& entry : ArtChildren(data, child)) {
        if (entry.type != kArtFbse || entry.length < 36) Fail("picture store holds a damaged entry");
        store_.emplace_back(data.substr(entry.offset, 8 + std::size_t{entry.length}));
      }
      children_.push_back({child.type, {}});
    } else {
      children_.push_back({child.type, std::string(bytes)});
    }
  }
}

std::string DrawingGroup::GroupBytes() const {
  std::string body;
  AppendU32(body, max_shape_id_);
  AppendU32(body, static_cast<std::uint32_t>(clusters_.size() + 1));
  AppendU32(body, saved_shapes_);
  AppendU32(body, saved_drawings_);
  for (const Cluster& cluster : clusters_) {
    AppendU32(body, cluster.drawing);
    AppendU32(body, cluster.used);
  }
  return Header(0x0000, kArtFdgg, body.size()) + body;
}

std::string DrawingGroup::StoreBytes() const {
  std::size_t length = 0;
  for (const std::string& entry : store_) length += entry.size();
  std::uint16_t word = static_cast<std::uint16_t>(((store_.size() & 0x0FFF) << 4) | 0x0F);
  std::string out = Header(word, kArtBStoreContainer, length);
  for (const std::string& entry : store_) out += entry;
  return out;
}

std::string DrawingGroup::Serialize() const {
  std::string body;
  for (const Child& child : children_) {
    if (child.type == kArtFdgg)
      body += GroupBytes();
    else if (child.type == kArtBStoreContainer)
      body += StoreBytes();
    else
      body += child.bytes;
  }
  return Header(header_word_, kArtDggContainer, body.size()) + body + trailing_;
}

std::uint32_t DrawingGroup::NewDrawingId() const {
  std::uint32_t highest = 0;
  for (const Cluster& cluster : clusters_) highest = std::max(highest, cluster.drawing);
  return highest + 1;
}

std::uint32_t DrawingGroup::ClusterUse(std::uint32_t cluster) const {
  return cluster >= 1 && cluster <= clusters_.size() ? clusters_[cluster - 1].used : 0;
}

std::uint32_t DrawingGroup::AddCluster(std::uint32_t drawing, std::uint32_t used) {
  clusters_.push_back({drawing, used});
  return static_cast<std::uint32_t>(clusters_.size());
}

void DrawingGroup::CountDrawing(std::uint32_t shapes, std::uint32_t max_shape_id) {
  saved_shapes_ += shapes;
  ++saved_drawings_;
  max_shape_id_ = std::max(max_shape_id_, max_shape_id + 1);
}

void DrawingGroup::AddReference(std::uint32_t index) {
  if (index == 0 || index > store_.size()) return;
  std::string& entry = store_[index - 1];
  PutU32(entry, kReferenceOffset, GetU32(entry, kReferenceOffset) + 1);
}

std::vector<std::uint32_t> DrawingGroup::ReferenceCounts() const {
  std::vector<std::uint32_t> counts;
  for (const std::string& entry : store_) counts.push_back(GetU32(entry, kReferenceOffset));
  return counts;
}

}  // namespace xls
