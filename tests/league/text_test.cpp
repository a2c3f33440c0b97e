#include "league/text.h"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

using namespace std::string_literals;

TEST(TextStore, CutsLongValuesAndPadsShortOnesWithSpaces) {
  Text<25> name;
  name.Store("abcdefghijklmnopqrstuvwxyz0123");  // 30 characters
  EXPECT_EQ(name.Raw(), "abcdefghijklmnopqrstuvwxy");
  Text<10> shortName;
  shortName.Store("Hello");
  EXPECT_EQ(shortName.Raw(), "Hello     ");
  shortName.Store("");
  EXPECT_EQ(shortName.Raw(), std::string(10, ' '));
  EXPECT_FALSE(shortName.IsEmpty()) << "a stored blank name is not an empty entry";
}

TEST(TextStore, NeverStoredIsZeroBytesAndEmpty) {
  Text<22> name;
  EXPECT_EQ(name.Raw(), std::string(22, '\0'));
  EXPECT_TRUE(name.IsEmpty());
}

TEST(TextCompare, AllBytesCountTrailingSpacesIncluded) {
  Text<5> a, b;
  a.Store("Ab");
  b.Store("Ab");
  EXPECT_EQ(a, b);
  b.Bytes[4] = '\0';
  EXPECT_NE(a, b);
  b.Store("ab");
  EXPECT_NE(a, b) << "comparisons are case-sensitive";
}

TEST(Condense, TrailingBlanksAndNulsThenCutAtFirstNul) {
  struct Case {
    std::string In;
    std::string Out;
  };
  const Case cases[] = {
      {"Otter" + std::string(17, ' '), "Otter"},
      {std::string(22, ' '), ""},
      {std::string(22, '\0'), ""},
      {"Ab\0\0 "s, "Ab"},
      {"Ab\0cd  "s, "Ab"},
      {"Ab \0 \0"s, "Ab"},
      {"Ab\0cd"s, "Ab\0cd"s},  // ends in another character: unchanged
      {"  Lead", "  Lead"},
      {"A B  ", "A B"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Condense(c.In), c.Out) << "input size " << c.In.size();
}

TEST(CodePage, EveryByteSurvivesTheScreenAndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string screen = ToScreen(all);
  EXPECT_EQ(FromScreen(screen), all);
}

TEST(CodePage, ConvertsToUtf8) {
  struct Case {
    std::string Raw;
    std::string Utf8;
  };
  const Case cases[] = {
      {"Bjorn", "Bjorn"},       {"\x80", "\xE2\x82\xAC"},  // euro sign
      {"\x8A", "\xC5\xA0"},                                // S caron
      {"\x99", "\xE2\x84\xA2"},                            // trade mark
      {"\x9F", "\xC5\xB8"},                                // Y diaeresis
      {"\x81", "\xC2\x81"},                                // undefined in the code page
      {"\x9D", "\xC2\x9D"},                                // undefined in the code page
      {"\xE9", "\xC3\xA9"},                                // e acute
      {"\xFF", "\xC3\xBF"},                                // y diaeresis
      {"a\0b"s, "a\0b"s},                                  // zero bytes kept
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToScreen(c.Raw), c.Utf8);
    EXPECT_EQ(FromScreen(c.Utf8), c.Raw);
  }
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(FromScreen("\xE6\x97\xA5"), "?");          // a CJK character
  EXPECT_EQ(FromScreen("\xF0\x9F\x8F\x92 x"), "? x");  // an emoji
  EXPECT_EQ(FromScreen("\xC2\x80"), "?") << "U+0080 is not the euro sign";
  EXPECT_EQ(FromScreen("\xC4\x8D"), "?");  // c caron
  EXPECT_EQ(FromScreen("ok\xC3"), "ok?") << "a cut sequence";
  EXPECT_EQ(FromScreen("\xC0\xAF"), "??") << "an overlong form";
  EXPECT_EQ(FromScreen("\xED\xA0\x80"), "???") << "a surrogate";
}

}  // namespace
}  // namespace league
