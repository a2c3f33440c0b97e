#include "league/file_system.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/failing_fs.h"
#include "support/temp_dir.h"

namespace league {
namespace {

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

Bytes AsBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

class FileSystemTest : public ::testing::Test {
 protected:
  fs::path At(const std::string& name) const { return dir_.Path() / name; }
  test::TempDir dir_;
};

TEST_F(FileSystemTest, OpenCreatesAMissingFileAndWritesPastTheEndAsZeros) {
  auto file = RealFileSystem().Open(At("new.bin"));
  ASSERT_TRUE(file.Ok()) << file.Message();
  ASSERT_TRUE((*file)->WriteAt(4, AsBytes("xy")).Ok());
  EXPECT_EQ(*(*file)->Size(), 6u);
  Bytes out(10, 0x55);
  auto got = (*file)->ReadAt(0, out);
  ASSERT_TRUE(got.Ok());
  EXPECT_EQ(*got, 6u);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), (Bytes{0, 0, 0, 0, 'x', 'y'}));
  ASSERT_TRUE((*file)->Flush().Ok());
  EXPECT_EQ(Contents(At("new.bin")), std::string("\0\0\0\0xy", 6));
}

TEST_F(FileSystemTest, FileExistsOnlyForFiles) {
  Put(At("a.lge"), "x");
  fs::create_directory(At("folder"));
  EXPECT_TRUE(FileExists(RealFileSystem(), At("a.lge")));
  EXPECT_FALSE(FileExists(RealFileSystem(), At("b.lge")));
  EXPECT_FALSE(FileExists(RealFileSystem(), At("folder")));
}

TEST_F(FileSystemTest, ErrorsNameTheFile) {
  auto read = RealFileSystem().ReadAll(At("missing.tms"));
  ASSERT_FALSE(read.Ok());
  EXPECT_NE(read.Message().find("missing.tms"), std::string::npos) << read.Message();
  Status copied = CopyReplace(RealFileSystem(), At("missing.ros"), At("swp.r"));
  ASSERT_FALSE(copied.Ok());
  EXPECT_NE(copied.Message().find("missing.ros"), std::string::npos) << copied.Message();
  EXPECT_FALSE(fs::exists(At("swp.r")));
  EXPECT_TRUE(RealFileSystem().Remove(At("never.there")).Ok());
}

TEST_F(FileSystemTest, ListGivesRegularFilesInNameOrder) {
  Put(At("b.lns"), "");
  Put(At("a.lns"), "");
  fs::create_directory(At("c.lns"));
  EXPECT_EQ(RealFileSystem().List(dir_.Path()), (std::vector<std::string>{"a.lns", "b.lns"}));
  EXPECT_TRUE(RealFileSystem().List(At("nowhere")).empty());
}

TEST_F(FileSystemTest, AppendCreatesThenAdds) {
  ASSERT_TRUE(RealFileSystem().Append(At("log.tra"), AsBytes("one")).Ok());
  ASSERT_TRUE(RealFileSystem().Append(At("log.tra"), AsBytes("two")).Ok());
  EXPECT_EQ(Contents(At("log.tra")), "onetwo");
}

TEST_F(FileSystemTest, ReplacingSucceedsAndLeavesNoTemporaryFile) {
  Put(At("src"), "new contents");
  Put(At("dst"), "old");
  ASSERT_TRUE(CopyReplace(RealFileSystem(), At("src"), At("dst")).Ok());
  EXPECT_EQ(Contents(At("dst")), "new contents");
  ASSERT_TRUE(WriteReplace(RealFileSystem(), At("dst"), AsBytes("written")).Ok());
  EXPECT_EQ(Contents(At("dst")), "written");
  EXPECT_EQ(RealFileSystem().List(dir_.Path()), (std::vector<std::string>{"dst", "src"}));
}

// A replace that fails at any call leaves the old file or the new one, never a
// torn one, and no temporary file behind.
TEST_F(FileSystemTest, FailedReplaceLeavesOldOrNewFileAndNoLitter) {
  struct Case {
    const char* Name;
    Status (*Run)(FileSystem&, const fs::path& dir);
  };
  const Case cases[] = {
      {"CopyReplace",
       [](FileSystem& files, const fs::path& dir) {
         return CopyReplace(files, dir / "src", dir / "dst");
       }},
      {"WriteReplace",
       [](FileSystem& files, const fs::path& dir) {
         return WriteReplace(files, dir / "dst", AsBytes("new contents"));
       }},
  };
  for (const Case& c : cases) {
    for (const bool torn : {false, true}) {
      test::FailingFileSystem files;
      files.TornWrites(torn);
      Put(At("src"), "new contents");
      Put(At("dst"), "old");
      ASSERT_TRUE(c.Run(files, dir_.Path()).Ok());
      const int calls = files.Calls();
      ASSERT_GE(calls, 2) << c.Name;
      for (int n = 1; n <= calls; ++n) {
        Put(At("dst"), "old");
        files.Reset(n);
        Status outcome = c.Run(files, dir_.Path());
        const std::string now = Contents(At("dst"));
        EXPECT_TRUE(now == "old" || now == "new contents")
            << c.Name << " call " << n << ": " << now;
        if (!outcome.Ok()) {
          EXPECT_EQ(now, "old") << c.Name << " call " << n;
        }
        EXPECT_EQ(RealFileSystem().List(dir_.Path()), (std::vector<std::string>{"dst", "src"}))
            << c.Name << " call " << n << (torn ? " torn" : "");
      }
    }
  }
}

TEST_F(FileSystemTest, FailingFileSystemCountsFileOperations) {
  test::FailingFileSystem files;
  auto file = files.Open(At("x"));
  ASSERT_TRUE(file.Ok());
  ASSERT_TRUE((*file)->WriteAt(0, AsBytes("ab")).Ok());
  ASSERT_TRUE((*file)->Size().Ok());
  ASSERT_TRUE((*file)->Flush().Ok());
  Bytes out(2);
  ASSERT_TRUE((*file)->ReadAt(0, out).Ok());
  EXPECT_TRUE(files.Exists(At("x"))) << "queries are not counted by default";
  EXPECT_EQ(files.Calls(), 5);

  files.Reset(3);
  auto again = files.Open(At("x"));
  ASSERT_TRUE(again.Ok());
  ASSERT_TRUE((*again)->WriteAt(0, AsBytes("cd")).Ok());
  auto size = (*again)->Size();
  ASSERT_FALSE(size.Ok());
  EXPECT_EQ(files.Failures(), 1);
  EXPECT_NE(files.LastFailure().find("size"), std::string::npos);
  EXPECT_TRUE((*again)->Flush().Ok()) << "only the third call fails";

  files.FailFrom(1);
  EXPECT_FALSE(files.Append(At("y"), AsBytes("z")).Ok());
  EXPECT_FALSE(files.Remove(At("y")).Ok());
  EXPECT_EQ(files.Failures(), 2);
}

}  // namespace
}  // namespace league
