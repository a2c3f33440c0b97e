#include "league/record_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/failing_fs.h"
#include "support/temp_dir.h"

namespace league {
namespace {

class RecordFileTest : public ::testing::Test {
 protected:
  fs::path Make(const std::string& name, std::size_t size, Byte fill = 0xAB) {
    const fs::path path = dir_.Path() / name;
    std::ofstream out(path, std::ios::binary);
    out << std::string(size, static_cast<char>(fill));
    return path;
  }
  std::uint64_t SizeOf(const fs::path& path) { return fs::file_size(path); }

  RecordFile OpenOk(const fs::path& path, std::size_t length) {
    auto file = RecordFile::Open(RealFileSystem(), path, length);
    EXPECT_TRUE(file.Ok()) << file.Message();
    return std::move(*file);
  }

  test::TempDir dir_;
};

TEST_F(RecordFileTest, RecordBeyondTheEndReadsAsZerosAndLeavesTheSize) {
  const fs::path path = Make("t.tms", 50 * 254);
  RecordFile file = OpenOk(path, 254);
  auto record = file.ReadRecord(51);
  ASSERT_TRUE(record.Ok()) << record.Message();
  EXPECT_EQ(*record, Bytes(254, 0));
  auto last = file.ReadRecord(50);
  ASSERT_TRUE(last.Ok());
  EXPECT_EQ(*last, Bytes(254, 0xAB));
  EXPECT_TRUE(file.Close().Ok());
  EXPECT_EQ(SizeOf(path), 50u * 254);
}

TEST_F(RecordFileTest, WritingBeyondTheEndExtendsWithZeroRecords) {
  const fs::path path = dir_.Path() / "p.drs";
  RecordFile file = OpenOk(path, 88);  // a missing path is created empty
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(file.LengthInBytes(), 0u);
  ASSERT_TRUE(file.WriteRecord(5, Bytes(88, 0x11)).Ok());
  EXPECT_EQ(file.LengthInBytes(), 5u * 88);
  for (int r = 1; r <= 4; ++r) {
    auto record = file.ReadRecord(r);
    ASSERT_TRUE(record.Ok());
    EXPECT_EQ(*record, Bytes(88, 0)) << "record " << r;
    EXPECT_TRUE(DecodePoolEntry(*record).Player.IsEmpty());
  }
  EXPECT_EQ(*file.ReadRecord(5), Bytes(88, 0x11));
  EXPECT_TRUE(file.Close().Ok());
  EXPECT_EQ(SizeOf(path), 5u * 88);
}

TEST_F(RecordFileTest, PartialTrailingRecordReadsWithZerosAndIsNotAWholeRecord) {
  const fs::path path = Make("r.ros", 86 + 14);
  RecordFile file = OpenOk(path, 86);
  EXPECT_FALSE(file.AtEnd());
  ASSERT_TRUE(file.ReadNext().Ok());
  EXPECT_TRUE(file.AtEnd()) << "14 bytes are not a whole record";
  auto partial = file.ReadRecord(2);
  ASSERT_TRUE(partial.Ok());
  Bytes expected(86, 0);
  std::fill(expected.begin(), expected.begin() + 14, Byte{0xAB});
  EXPECT_EQ(*partial, expected);
}

TEST_F(RecordFileTest, SequentialPositionAndAtEnd) {
  const fs::path path = Make("w.wvr", 3 * 134);
  RecordFile file = OpenOk(path, 134);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(file.AtEnd()) << "before read " << i + 1;
    ASSERT_TRUE(file.ReadNext().Ok());
  }
  EXPECT_TRUE(file.AtEnd());
  // Past the end, ReadNext still gives zeros, never an error.
  auto beyond = file.ReadNext();
  ASSERT_TRUE(beyond.Ok());
  EXPECT_EQ(*beyond, Bytes(134, 0));
}

TEST_F(RecordFileTest, EmptyFileIsAtEndAtOnce) {
  RecordFile file = OpenOk(Make("e.wvr", 0), 134);
  EXPECT_TRUE(file.AtEnd());
}

TEST_F(RecordFileTest, WriteNextWritesConsecutiveRecordsFromTheStart) {
  const fs::path path = Make("f.frm", 3 * 43, 0xEE);
  {
    RecordFile file = OpenOk(path, 43);
    ASSERT_TRUE(file.WriteNext(Bytes(43, 1)).Ok());
    ASSERT_TRUE(file.WriteNext(Bytes(43, 2)).Ok());
    ASSERT_TRUE(file.Close().Ok());
  }
  RecordFile file = OpenOk(path, 43);
  EXPECT_EQ(*file.ReadNext(), Bytes(43, 1));
  EXPECT_EQ(*file.ReadNext(), Bytes(43, 2));
  EXPECT_EQ(*file.ReadNext(), Bytes(43, 0xEE)) << "the third record is untouched";
  EXPECT_TRUE(file.AtEnd());
}

TEST_F(RecordFileTest, RefusesRecordZeroAndWrongLengthsNamingTheFile) {
  const fs::path path = Make("t.tms", 254);
  RecordFile file = OpenOk(path, 254);
  auto zero = file.ReadRecord(0);
  ASSERT_FALSE(zero.Ok());
  EXPECT_NE(zero.Message().find("t.tms"), std::string::npos) << zero.Message();
  Status shortWrite = file.WriteRecord(1, Bytes(200, 0));
  ASSERT_FALSE(shortWrite.Ok());
  EXPECT_NE(shortWrite.Message().find("t.tms"), std::string::npos);
  EXPECT_EQ(SizeOf(path), 254u);
}

TEST_F(RecordFileTest, OperationsAfterCloseFail) {
  RecordFile file = OpenOk(Make("t.tms", 254), 254);
  ASSERT_TRUE(file.Close().Ok());
  EXPECT_FALSE(file.ReadRecord(1).Ok());
  EXPECT_FALSE(file.WriteRecord(1, Bytes(254, 0)).Ok());
  EXPECT_TRUE(file.AtEnd());
  EXPECT_TRUE(file.Close().Ok()) << "closing twice is harmless";
}

TEST_F(RecordFileTest, OpenFailureNamesThePath) {
  const fs::path path = dir_.Path() / "no such folder" / "x.lge";
  auto file = RecordFile::Open(RealFileSystem(), path, 459);
  ASSERT_FALSE(file.Ok());
  EXPECT_NE(file.Message().find(path.string()), std::string::npos) << file.Message();
}

TEST_F(RecordFileTest, EveryFailingCallComesBackAsAnError) {
  const fs::path path = Make("t.tms", 2 * 254);
  test::FailingFileSystem files;
  auto run = [&]() -> Status {
    auto file = RecordFile::Open(files, path, 254);
    if (!file) return file.TakeError();
    auto read = file->ReadRecord(2);
    if (!read) return read.TakeError();
    if (Status s = file->WriteRecord(3, *read); !s) return s;
    return file->Close();
  };
  ASSERT_TRUE(run().Ok());
  const int calls = files.Calls();
  ASSERT_GE(calls, 4);
  for (int n = 1; n <= calls; ++n) {
    files.Reset(n);
    Status outcome = run();
    EXPECT_FALSE(outcome.Ok()) << "call " << n << " of " << calls;
    EXPECT_NE(outcome.Message().find("t.tms"), std::string::npos) << outcome.Message();
  }
}

}  // namespace
}  // namespace league
