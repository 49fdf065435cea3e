#include "base/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qav::text {
namespace {

TEST(Text, LinesEndAtCarriageReturnLineFeedOrBoth) {
  EXPECT_EQ(splitLines("a\rb\nc\r\nd\r\n\r\ne"),
            (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

}  // namespace
}  // namespace qav::text
