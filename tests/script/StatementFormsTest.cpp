// The statement table that authors' references are made from names exactly the statements the
// interpreter runs, each once.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lang/Texts.h"
#include "script/StatementForms.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

using StatementForms = ScriptTest;

TEST_F(StatementForms, DescribeEveryStatementOfTheInterpreterOnce) {
  std::vector<std::string> described;
  for (const auto& f : script::statementForms()) {
    described.emplace_back(f.keyword);
    // The example is a line of the statement it describes.
    EXPECT_EQ(f.example.substr(0, f.example.find(' ')), f.keyword) << f.example;
  }
  // The run loop reads the two block words itself; every other keyword is a statement.
  std::vector<std::string> run = hub.interpreter().keywords();
  run.emplace_back(msg::kElse);
  run.emplace_back(msg::kEndIf);
  std::sort(described.begin(), described.end());
  std::sort(run.begin(), run.end());
  EXPECT_EQ(described, run);
}

}  // namespace
}  // namespace qav::testing
