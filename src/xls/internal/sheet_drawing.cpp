#include "xls/internal/sheet_drawing.h"

#include <algorithm>
#include <map>

#include "xls/internal/byte_reader.h"
#include "xls/internal/office_art.h"
#include "xls/internal/record_types.h"

namespace xls {

namespace {

constexpr std::uint32_t kGroupShape = 0x0001;
constexpr std::uint16_t kSelectedFlags = 0x0200 | 0x0400;
constexpr int kClusterBits = 10;

// The drawing bytes of all MSODRAWING records joined, and where each began.
struct JoinedDrawing {
  std::string data;
  std::vector<std::size_t> records;  // index in the tail
  std::vector<std::size_t> starts;

  explicit JoinedDrawing(const std::vector<Record>& tail) {
    for (std::size_t i = 0; i < tail.size(); ++i) {
      if (tail[i].type != kMsoDrawing) continue;
      records.push_back(i);
      starts.push_back(data.size());
      data.append(tail[i].Data());
    }
  }

  void WriteBack(std::vector<Record>& tail) const {
    for (std::size_t i = 0; i < records.size(); ++i) {
      std::size_t end = i + 1 < records.size() ? starts[i + 1] : data.size();
      tail[records[i]] = MakeRecord(kMsoDrawing, data.substr(starts[i], end - starts[i]));
    }
  }
};

std::vector<ArtRecord> OfType(const std::vector<ArtRecord>& records, std::uint16_t type) {
  std::vector<ArtRecord> found;
  std::copy_if(records.begin(), records.end(), std::back_inserter(found),
               [&](const ArtRecord& record) { return record.type == type; });
  return found;
}

// Maps the shape ids of the source drawing onto fresh clusters of the copy.
class ShapeIdMap {
 public:
  ShapeIdMap(DrawingGroup& group, std::uint32_t drawing) : group_(group), drawing_(drawing) {}

  void Reserve(std::uint32_t id) {
    std::uint32_t& used = used_[id >> kClusterBits];
    used = std::max(used, (id & 0x3FF) + 1);
  }
  std::uint32_t Map(std::uint32_t id) {
    std::uint32_t cluster = id >> kClusterBits;
    auto found = new_cluster_.find(cluster);
    if (found == new_cluster_.end()) {
      std::uint32_t used = std::max(group_.ClusterUse(cluster), used_[cluster]);
      found = new_cluster_.emplace(cluster, group_.AddCluster(drawing_, used)).first;
    }
    std::uint32_t mapped = (found->second << kClusterBits) | (id & 0x3FF);
    highest_ = std::max(highest_, mapped);
    return mapped;
  }
  std::uint32_t Highest() const { return highest_; }

 private:
  DrawingGroup& group_;
  std::uint32_t drawing_;
  std::map<std::uint32_t, std::uint32_t> used_;
  std::map<std::uint32_t, std::uint32_t> new_cluster_;
  std::uint32_t highest_ = 0;
};

void MapField(std::string& data, std::size_t at, ShapeIdMap& ids) {
  std::uint32_t id = GetU32(data, at);
  if (id != 0) PutU32(data, at, ids.Map(id));
}

// Rules of the solver container name shapes by id as well.
void MapRules(std::string& data, const std::vector<ArtRecord>& records, ShapeIdMap& ids) {
  for (const ArtRecord& record : records) {
    std::size_t fields = record.type == kArtConnectorRule                                 ? 3
                         : (record.type == kArtArcRule || record.type == kArtCalloutRule) ? 1
                                                                                          : 0;
    for (std::size_t i = 0; i < fields && 8 + 4 * i <= record.length; ++i)
      MapField(data, record.Body() + 4 + 4 * i, ids);
  }
}

}  // namespace

XlsDrawingInfo DescribeDrawing(const std::vector<Record>& tail) {
  JoinedDrawing joined(tail);
  XlsDrawingInfo info;
  if (joined.data.empty()) return info;
  std::vector<ArtRecord> records = ListArtRecords(joined.data);
  for (const ArtRecord& record : OfType(records, kArtFdg)) info.drawing_id = record.instance;
  for (const ArtRecord& record : OfType(records, kArtFsp))
    if (record.length >= 8) info.shape_ids.push_back(GetU32(joined.data, record.Body()));
  return info;
}

int CountShapes(const std::vector<Record>& tail) {
  JoinedDrawing joined(tail);
  if (joined.data.empty()) return 0;
  int count = 0;
  for (const ArtRecord& record : OfType(ListArtRecords(joined.data), kArtFsp))
    if (record.length >= 8 && !(GetU32(joined.data, record.Body() + 4) & kGroupShape)) ++count;
  return count;
}

void RenumberCopiedDrawing(std::vector<Record>& tail, DrawingGroup& group) {
  JoinedDrawing joined(tail);
  if (joined.data.empty() || !group.Present()) return;
  std::vector<ArtRecord> records = ListArtRecords(joined.data);
  std::vector<ArtRecord> drawings = OfType(records, kArtFdg);
  if (drawings.empty()) return;
  std::vector<std::uint32_t>
      pictures;  // gathered first: a damaged record must not leave the group half changed
  for (const ArtRecord& record : records)
    if (record.type == kArtFopt || record.type == kArtSecondaryFopt || record.type == kArtTertiaryFopt)
      for (std::uint32_t picture : PictureReferences(joined.data, record)) pictures.push_back(picture);
  std::uint32_t drawing = group.NewDrawingId();
  ShapeIdMap ids(group, drawing);
  std::vector<ArtRecord> shapes = OfType(records, kArtFsp);
  std::erase_if(shapes, [](const ArtRecord& shape) { return shape.length < 8; });
  for (const ArtRecord& shape : shapes) ids.Reserve(GetU32(joined.data, shape.Body()));
  for (const ArtRecord& shape : shapes) MapField(joined.data, shape.Body(), ids);
  MapRules(joined.data, records, ids);
  for (const ArtRecord& record : drawings) {
    PutU16(joined.data, record.offset, static_cast<std::uint16_t>((drawing << 4) | record.version));
    if (record.length >= 8) MapField(joined.data, record.Body() + 4, ids);
  }
  for (std::uint32_t picture : pictures) group.AddReference(picture);
  group.CountDrawing(static_cast<std::uint32_t>(shapes.size()), ids.Highest());
  joined.WriteBack(tail);
}

void ClearSelection(std::vector<Record>& tail) {
  for (Record& record : tail) {
    if (record.type != kWindow2 || record.Data().size() < 2) continue;
    std::string data(record.Data());
    PutU16(data, 0, GetU16(data, 0) & ~kSelectedFlags);
    record = MakeRecord(kWindow2, std::move(data));
  }
}

}  // namespace xls
