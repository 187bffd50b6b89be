#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "xls/xls_error.h"

namespace xls {

// A stream at the top level of a compound document (the container of .xls).
struct CompoundStream {
  std::string name;  // UTF-8
  std::string data;
};

// Reads the streams at the top level of a compound document; storages below
// it are not kept. Every sector number, chain and size is checked against the
// file, so damaged input throws Error("Invalid compound file: ...").
std::vector<CompoundStream> ReadCompoundFile(std::string_view bytes);

// Writes a compound document (512-byte sectors) holding `streams` at the top
// level; streams below 4096 bytes go to the mini stream.
std::string WriteCompoundFile(const std::vector<CompoundStream>& streams);

}  // namespace xls
