#include "league/text_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/failing_fs.h"
#include "support/temp_dir.h"

namespace league {
namespace {

using Pairs = std::vector<std::pair<int, std::string>>;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(AppendLine, CreatesTheFileAndEndsEachLineInCrLf) {
  test::TempDir dir;
  const fs::path path = dir.Path() / "league.tra";
  ASSERT_TRUE(
      AppendLine(RealFileSystem(), path, "Otters placed Rune Falk on waivers<BR><BR>").Ok());
  ASSERT_TRUE(AppendLine(RealFileSystem(), path, "second \xE9").Ok());
  EXPECT_EQ(Contents(path), "Otters placed Rune Falk on waivers<BR><BR>\r\nsecond \xE9\r\n");
}

TEST(AppendLine, ReportsAFailure) {
  test::TempDir dir;
  test::FailingFileSystem files(1);
  Status appended = AppendLine(files, dir.Path() / "league.tra", "x");
  EXPECT_FALSE(appended.Ok());
  EXPECT_NE(appended.Message().find("league.tra"), std::string::npos);
}

TEST(EmailList, ParsesIndexCommaAddressLines) {
  struct Case {
    std::string Contents;
    Pairs Expected;
  };
  const Case cases[] = {
      {"0,ada@example.net\r\n1,bo@example.net\r\n",
       {{0, "ada@example.net"}, {1, "bo@example.net"}}},
      {"  7  ,gm7@example.net\r\n", {{7, "gm7@example.net"}}},
      {"3,last@example.net", {{3, "last@example.net"}}},  // no final line break
      {"4,lf@example.net\n5,x@y\n", {{4, "lf@example.net"}, {5, "x@y"}}},
      {"255,max@example.net\r\n256,no@example.net\r\n9,yes@y\r\n",
       {{255, "max@example.net"}, {9, "yes@y"}}},
      {"abc,no@example.net\r\n2,yes@y\r\n", {{2, "yes@y"}}},
      {"-1,no\r\n+1,no\r\n1.5,no\r\n1 2,no\r\n,no\r\n6,ok\r\n", {{6, "ok"}}},
      {"no comma here\r\n\r\n8,a,b\r\n", {{8, "a,b"}}},
      {"0012,zeros@y\r\n", {{12, "zeros@y"}}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseEmailList(c.Contents), c.Expected) << c.Contents;
}

TEST(EmailList, TeamViewDropsIndexesBeyondTheLeague) {
  test::TempDir dir;
  const fs::path path = dir.Path() / "league.eml";
  std::ofstream(path, std::ios::binary) << "1,one@example.net\r\n12,twelve@example.net\r\n3,three@"
                                           "example.net\r\n1,uno@example.net\r\n";
  const auto emails = ReadTeamEmails(RealFileSystem(), path, 10);
  ASSERT_EQ(emails.size(), 10u);
  EXPECT_EQ(emails[1], "uno@example.net") << "a later line replaces an earlier one";
  EXPECT_EQ(emails[3], "three@example.net") << "lines after a skipped one are still read";
  EXPECT_EQ(emails[0], "");
}

TEST(EmailList, MissingOrUnreadableFileGivesNoAddresses) {
  test::TempDir dir;
  EXPECT_EQ(ReadTeamEmails(RealFileSystem(), dir.Path() / "none.eml", 4),
            std::vector<std::string>(4));
  const fs::path path = dir.Path() / "league.eml";
  std::ofstream(path) << "0,a@b\r\n";
  test::FailingFileSystem files(1);
  EXPECT_EQ(ReadTeamEmails(files, path, 2), std::vector<std::string>(2));
}

}  // namespace
}  // namespace league
