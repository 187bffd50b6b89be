#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xls {

// The workbook's drawing group (MSODRAWINGGROUP): the shape-id clusters of
// every sheet drawing and the picture store. Other parts are kept as read.
class DrawingGroup {
 public:
  bool Present() const { return present_; }
  void Parse(std::string_view data);
  std::string Serialize() const;

  // A drawing id no sheet uses yet.
  std::uint32_t NewDrawingId() const;
  // The shapes ids of a cluster in use (0 when unknown).
  std::uint32_t ClusterUse(std::uint32_t cluster) const;
  // Reserves the next cluster of 1,024 shape ids for `drawing`; its number.
  std::uint32_t AddCluster(std::uint32_t drawing, std::uint32_t used);
  void CountDrawing(std::uint32_t shapes, std::uint32_t max_shape_id);
  // Another reference to picture `index` (1-based) of the store.
  void AddReference(std::uint32_t index);
  std::vector<std::uint32_t> ReferenceCounts() const;

 private:
  struct Cluster {
    std::uint32_t drawing;
    std::uint32_t used;
  };
  struct Child {
    std::uint16_t type = 0;
    std::string bytes;  // the whole record, header included
  };

  std::string StoreBytes() const;
  std::string GroupBytes() const;

  bool present_ = false;
  std::uint16_t header_word_ = 0x000F;
  std::string trailing_;
  std::vector<Child> children_;
  std::uint32_t max_shape_id_ = 0;
  std::uint32_t saved_shapes_ = 0;
  std::uint32_t saved_drawings_ = 0;
  std::vector<Cluster> clusters_;
  std::vector<std::string> store_;  // picture-store entries, header included
};

}  // namespace xls
