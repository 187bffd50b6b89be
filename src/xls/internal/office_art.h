#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace xls {

// The records of a drawing (OfficeArt): an 8-byte header with version,
// instance, type and length; version 0xF marks a container of records.
struct ArtRecord {
  std::size_t offset = 0;  // of the header
  std::uint16_t version = 0;
  std::uint16_t instance = 0;
  std::uint16_t type = 0;
  std::uint32_t length = 0;
  std::size_t Body() const { return offset + 8; }
};

inline constexpr std::uint16_t kArtDggContainer = 0xF000;
inline constexpr std::uint16_t kArtBStoreContainer = 0xF001;
inline constexpr std::uint16_t kArtFdgg = 0xF006;
inline constexpr std::uint16_t kArtFbse = 0xF007;
inline constexpr std::uint16_t kArtFdg = 0xF008;
inline constexpr std::uint16_t kArtFsp = 0xF00A;
inline constexpr std::uint16_t kArtFopt = 0xF00B;
inline constexpr std::uint16_t kArtConnectorRule = 0xF012;
inline constexpr std::uint16_t kArtArcRule = 0xF014;
inline constexpr std::uint16_t kArtCalloutRule = 0xF017;
inline constexpr std::uint16_t kArtSecondaryFopt = 0xF121;
inline constexpr std::uint16_t kArtTertiaryFopt = 0xF122;

// Every record of `data` in order, containers before their children. A length
// that leaves its container, or nesting deeper than any writer uses, throws.
std::vector<ArtRecord> ListArtRecords(std::string_view data);

// The direct children of a container that ListArtRecords has checked.
std::vector<ArtRecord> ArtChildren(std::string_view data, const ArtRecord& container);

// The picture-store indexes (1-based) that the properties of an option
// record (FOPT) refer to.
std::vector<std::uint32_t> PictureReferences(std::string_view data, const ArtRecord& options);

}  // namespace xls
