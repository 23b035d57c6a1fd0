#include <gtest/gtest.h>

#include <string>

#include "conversion/full_width.h"

namespace quorvane {
namespace {

std::string Fold(const char* text) {
  std::string out(text == nullptr ? 1 : std::char_traits<char>::length(text) + 1, '\x7F');
  char* end = FoldFullWidth(text, out.data());
  EXPECT_EQ(*end, '\0');
  out.resize(static_cast<std::size_t>(end - out.data()));
  return out;
}

struct FoldCase {
  const char* text;
  const char* folded;
  const char* why;
};

TEST(FoldFullWidth, FoldsTheFullWidthFormsAndKeepsEverythingElse) {
  const FoldCase cases[] = {
      {nullptr, "", "absent text"},
      {"", "", ""},
      {"a 1\t~", "a 1\t~", "ASCII and blanks pass unchanged"},
      {"\xA1\xA1", " ", "ideographic space"},
      {"\xA1\xAB", "~", "full-width tilde"},
      {"\xA1\xEE\xA1\xEF", "**", "white and black star"},
      {"\xA3\xA1", "!", "first of the full-width row"},
      {"\xA3\xFE", "~", "last of the row: the full-width macron"},
      {"\xA3\xA4", "$", "full-width yen sign"},
      {"\xA3\xB0\xA3\xB9\xA3\xAE\xA3\xAB\xA3\xAD\xA3\xC5\xA3\xE5\xA3\xC4\xA3\xE4", "09.+-EeDd", "digits, signs, exponent letters"},
      {"\xA3\xA0", "\xA3\xA0", "just below the row: kept"},
      {"\xA3\xFF", "\xA3\xFF", "just above it: kept"},
      {"\xA1\xA2", "\xA1\xA2", "ideographic comma: kept"},
      {"\xB6\xC8", "\xB6\xC8", "度: kept"},
      {"\xA3" "5", "\xA3" "5", "the second byte is taken whatever it is"},
      {"4\xA3", "4", "a lone lead byte at the end is dropped"},
      {"\x80\x80\xFF\xFF", "\x80\x80\xFF\xFF", "any lead byte pairs up"},
  };
  for (const FoldCase& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Fold(c.text), c.folded);
  }
}

TEST(FoldFullWidth, NeverLengthensAText) {
  std::string text;
  for (int byte = 1; byte < 256; ++byte) {
    text += static_cast<char>(byte);
    text += static_cast<char>(256 - byte);
  }
  EXPECT_LE(Fold(text.c_str()).size(), text.size());
}

}  // namespace
}  // namespace quorvane
