#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xls/internal/byte_reader.h"
#include "xls/internal/compound_file.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

std::string Pattern(std::size_t size, int seed) {
  std::string data(size, '\0');
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>((i * 31 + seed * 7 + i / 251) & 0xFF);
  return data;
}

const CompoundStream* Find(const std::vector<CompoundStream>& streams, const std::string& name) {
  for (const CompoundStream& stream : streams)
    if (stream.name == name) return &stream;
  return nullptr;
}

void ExpectSameStreams(const std::vector<CompoundStream>& written) {
  std::string file = WriteCompoundFile(written);
  ASSERT_EQ(file.size() % 512, 0u);
  std::vector<CompoundStream> read = ReadCompoundFile(file);
  ASSERT_EQ(read.size(), written.size());
  for (const CompoundStream& stream : written) {
    const CompoundStream* back = Find(read, stream.name);
    ASSERT_NE(back, nullptr) << stream.name;
    EXPECT_EQ(back->data == stream.data, true) << stream.name << " of " << stream.data.size() << " bytes";
  }
}

class CompoundSizes : public ::testing::TestWithParam<std::size_t> {};

// Sizes around the mini-stream cutoff and the sector size.
TEST_P(CompoundSizes, StreamComesBackWhole) {
  ExpectSameStreams({{"Workbook", Pattern(GetParam(), 1)}, {"\x05SummaryInformation", Pattern(200, 2)}});
}

INSTANTIATE_TEST_SUITE_P(Sizes, CompoundSizes,
                         ::testing::Values(0, 1, 63, 64, 65, 511, 512, 4095, 4096, 4097, 70000, 1 << 20));

TEST(CompoundFile, ManyStreamsFormAValidDirectoryTree) {
  std::vector<CompoundStream> streams;
  for (int i = 0; i < 23; ++i)
    streams.push_back({"Stream" + std::to_string(i * 37), Pattern(100 * i + (i % 2) * 5000, i)});
  ExpectSameStreams(streams);
}

// Beyond 109 FAT sectors the FAT is listed in DIFAT sectors.
TEST(CompoundFile, LargeFileNeedsDifat) {
  std::string big = Pattern(9 * 1024 * 1024, 3);
  std::string file = WriteCompoundFile({{"Workbook", big}});
  EXPECT_GT(GetU32(file, 0x2C), 109u) << "FAT sectors";
  EXPECT_GE(GetU32(file, 0x48), 1u) << "DIFAT sectors";
  std::vector<CompoundStream> read = ReadCompoundFile(file);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_TRUE(read[0].data == big);
}

// A small file laid out as the writer does: FAT in sector 0, directory in
// 1, mini FAT in 2, mini stream in 3.
std::string SmallFile() { return WriteCompoundFile({{"Workbook", Pattern(300, 4)}}); }

void PutFat(std::string& file, std::uint32_t sector, std::uint32_t next) {
  PutU32(file, 512 + 4 * sector, next);
}

struct Damage {
  const char* what;
  void (*apply)(std::string&);
  const char* message;
};

class CompoundDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(CompoundDamage, IsReportedNotFollowed) {
  std::string file = SmallFile();
  GetParam().apply(file);
  try {
    ReadCompoundFile(file);
    ADD_FAILURE() << "accepted: " << GetParam().what;
  } catch (const Error& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Damages, CompoundDamage,
    ::testing::Values(Damage{"text file", [](std::string& f) { f = std::string(600, 'x'); },
                             "Invalid compound file: not a compound document"},
                      Damage{"cut header", [](std::string& f) { f.resize(100); },
                             "Invalid compound file: not a compound document"},
                      Damage{"sector size", [](std::string& f) { PutU16(f, 0x1E, 7); },
                             "Invalid compound file: unsupported version or sector size"},
                      Damage{"byte order", [](std::string& f) { PutU16(f, 0x1C, 0xFEFF); },
                             "Invalid compound file: wrong byte order mark"},
                      Damage{"directory cycle", [](std::string& f) { PutFat(f, 1, 1); },
                             "Invalid compound file: directory chain has a cycle"},
                      Damage{"directory outside", [](std::string& f) { PutU32(f, 0x30, 4000); },
                             "Invalid compound file: directory chain points to sector 4000 outside the file"},
                      Damage{"FAT count", [](std::string& f) { PutU32(f, 0x2C, 5000); },
                             "Invalid compound file: more FAT sectors than the file holds"},
                      Damage{"FAT sector outside", [](std::string& f) { PutU32(f, 0x4C, 77); },
                             "Invalid compound file: sector 77 lies beyond the end of the file"},
                      Damage{"mini FAT cycle", [](std::string& f) { PutU32(f, 3 * 512, 0); },
                             "Invalid compound file: mini stream sector chain has a cycle"},
                      Damage{"stream larger than chain",
                             [](std::string& f) { PutU32(f, 2 * 512 + 128 + 120, 1000); },
                             "Invalid compound file: stream Workbook is shorter than its size"},
                      Damage{"root is not root", [](std::string& f) { f[2 * 512 + 66] = 1; },
                             "Invalid compound file: the first directory entry is not the root"},
                      Damage{"directory tree cycle", [](std::string& f) { PutU32(f, 2 * 512 + 128 + 68, 1); },
                             "Invalid compound file: directory tree is broken or has a cycle"},
                      Damage{"huge stream size",
                             [](std::string& f) { PutU32(f, 2 * 512 + 128 + 120, 0x7FFFFFFF); },
                             "Invalid compound file: streams are larger than the file"}));

}  // namespace

}  // namespace xls
