#include "base/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qav::text {
namespace {

TEST(Text, LinesEndAtCarriageReturnLineFeedOrBoth) {
  EXPECT_EQ(splitLines("a\rb\nc\r\nd\r\n\r\ne"),
            (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

TEST(Text, PrintableEscapesWhatATerminalWouldActOnAndKeepsTheRest) {
  using namespace std::string_literals;
  const std::pair<std::string, std::string> cases[] = {
      {"a ~가", "a ~가"},
      {"\0\x1F"s, "\\x00\\x1F"},
      {"\x7F\u0080\u009F\u00A0", "\\x7F\\x80\\x9F\u00A0"},
      {"\u200D\u200E\u200F\u2010", "\u200D\\u{200E}\\u{200F}\u2010"},
      {"\u2027\u2028\u202E\u202F", "\u2027\\u{2028}\\u{202E}\u202F"},
      {"\u2065\u2066\u2069\u206A", "\u2065\\u{2066}\\u{2069}\u206A"},
      {"\xFF\xE0\x80", "\\xFF\\xE0\\x80"}};
  for (const auto& [in, shown] : cases) EXPECT_EQ(printable(in), shown) << shown;
}

}  // namespace
}  // namespace qav::text
