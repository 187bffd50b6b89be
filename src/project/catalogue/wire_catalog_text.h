#pragma once

#include <string>
#include <vector>

#include "calc/wire_record.h"

namespace orv::project {

// The catalogue's exchange text: one wire per line, Windows-1251, CR LF,
// Name;Diameter;Area;Weight;Modulus;Expansion;Group with the reals in the
// general number form, in catalogue units whatever the units setting.

// False for a name the exchange text cannot hold: ";" separates the fields
// and a line break ends the record.
bool FitsExchangeText(const std::string& wireName);

// Throws OrvError when a name cannot be written in Windows-1251, and for a
// record that would read back differently (a name with ";" or a line break,
// an empty name, a number that does not survive its text): the message names
// the record by its number from 1 and its name. Nothing is returned then, so
// no exchange file is written that reads back differently.
std::string WireRecordsToText(const std::vector<calc::TWireRecord>& records);

// Reads every line of `bytes` in file order. Every ";" separates a field: a
// line takes six fields (name and five reals) or seven, the seventh being the
// group (7 when absent or empty); none of the six may be empty. The name is
// cut to 16 characters. Throws OrvError naming `fileName`, the line and the
// field with its text; nothing is returned then.
std::vector<calc::TWireRecord> WireRecordsFromText(const std::string& bytes, const std::string& fileName);

}  // namespace orv::project
