#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/wire_record.h"

namespace orv::project {

// The catalogue file base_provod.dat: 61-byte records without header or
// padding: group (int32 LE), name (length byte + 16 Windows-1251 bytes),
// diameter, area, weight, modulus, expansion (binary64 LE).
inline constexpr std::size_t kWireRecordSize = 61;
inline constexpr std::size_t kWireNameBytes = 16;

// The five reals in file order, which is also the order of the sort keys 2 to 6.
inline constexpr double calc::TWireRecord::*kWireRealFields[] = {
    &calc::TWireRecord::WireDiameter, &calc::TWireRecord::WireArea, &calc::TWireRecord::WireWeight, &calc::TWireRecord::WireModulus,
    &calc::TWireRecord::WireExpansion};

// Throws OrvError when the name cannot be stored: a character outside
// Windows-1251, more than 16 characters, or a value that is not finite.
std::string EncodeWireRecord(const calc::TWireRecord& record);
std::string EncodeWireRecords(const std::vector<calc::TWireRecord>& records);

// `bytes` must hold kWireRecordSize bytes. Throws OrvError for a name length
// above 16 or a value that is not finite.
calc::TWireRecord DecodeWireRecord(std::string_view bytes);

// Every whole record of the file; a trailing piece shorter than a record is
// ignored. An error names the record by its number, counted from 1.
std::vector<calc::TWireRecord> DecodeWireRecords(std::string_view bytes);

}  // namespace orv::project
