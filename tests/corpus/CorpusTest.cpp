// The recorded-output corpus: several hundred scripts played headless, each against the
// lines it printed when it was recorded. A case is a script (or several, one per item), the
// dialog answers and user events, and the output lines expected:
//
//   === title                 starts a case
//   option 2 4                project options switched on
//   answer Yes                dialog answers, in order (a button word, text:WORDS, Cancel)
//   event select:List:2       user events, in order (default: click:Run)
//   on Other                  the script lines that follow belong to this item or window
//   | 선언 a                   a script line (of Run until an "on" line names another item)
//   = {"dialog":...}          an expected output line
//
// Output lines are rendered shorter than the JSON the run prints (see render). Every case
// runs in a fresh project (tests/corpus/Fixture.h) with the clock at
// 2024-03-15 10:20:30, through the same code as `qav run --headless`. The start-up lines that
// every case prints (the main and page windows shown, the exit) are left out of the expected lines.
//
// To re-record after an intended change of behaviour: scripts/record-corpus.sh (or run
// test_corpus with QAV_RECORD_CORPUS=1), then read the diff of tests/corpus/cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/qav/Command.h"
#include "corpus/Fixture.h"
#include "support/ProjectBuilder.h"

namespace qav::tool {
// The registry of the tool's commands, which the tool's main file keeps; the run command
// compiled into this test registers itself here.
std::vector<Command>& commands() {
  static std::vector<Command> table;
  return table;
}
}  // namespace qav::tool

namespace qav::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const fs::path kCasesDir = fs::path(QAV_SOURCE_DIR) / "tests/corpus/cases";
const std::string kClock = "clock:2024-03-15 10:20:30";
// The page window inside the page control is shown with the main window.
const Lines kStartup = {R"({"action":"show","window":"PageA"})",
                        R"({"action":"show","window":"Main"})"};
const std::string kExit = R"({"exit":0})";

struct Case {
  std::string title;
  int line = 0;  // of the title in its file
  Lines source;  // the case's lines as written, without the expected lines
  std::vector<int> options;
  Lines answers, events;
  std::vector<std::pair<std::string, Lines>> scripts;  // item name, lines; in order of "on"
  Lines expected;
};

struct CorpusFile {
  Lines header;  // lines before the first case
  std::vector<Case> cases;
};

std::string rest(const std::string& line, std::size_t from) {
  return line.size() > from ? line.substr(from) : std::string();
}

// Parses a corpus file; a malformed line is reported as "FILE:LINE: why".
CorpusFile parse(const fs::path& path, std::string& error) {
  CorpusFile file;
  std::ifstream in(path);
  std::string line;
  int number = 0;
  Case* current = nullptr;
  while (std::getline(in, line)) {
    ++number;
    if (line.rfind("=== ", 0) == 0) {
      file.cases.push_back(Case{rest(line, 4), number, {line}, {}, {}, {}, {{"Run", {}}}, {}});
      current = &file.cases.back();
      continue;
    }
    if (!current) {
      file.header.push_back(line);
      continue;
    }
    if (line.rfind("= ", 0) == 0) {
      current->expected.push_back(rest(line, 2));
      continue;
    }
    current->source.push_back(line);
    auto why = [&](const std::string& w) {
      error = path.filename().string() + ":" + std::to_string(number) + ": " + w;
    };
    if (line.empty() || line[0] == '#') continue;
    if (line == "|" || line.rfind("| ", 0) == 0) {
      current->scripts.back().second.push_back(rest(line, 2));
    } else if (line.rfind("on ", 0) == 0) {
      current->scripts.push_back({rest(line, 3), {}});
    } else if (line.rfind("answer ", 0) == 0) {
      current->answers.push_back(rest(line, 7));
    } else if (line.rfind("event ", 0) == 0) {
      current->events.push_back(rest(line, 6));
    } else if (line.rfind("option ", 0) == 0) {
      std::istringstream words(rest(line, 7));
      for (int n; words >> n;) {
        if (n < 1 || n > 100) return why("option out of 1..100"), file;
        current->options.push_back(n);
      }
    } else {
      return why("not a case line: " + line), file;
    }
  }
  // Blank lines between cases belong to no case.
  for (auto& c : file.cases)
    while (!c.source.empty() && c.source.back().empty()) c.source.pop_back();
  return file;
}

void write(const fs::path& path, const CorpusFile& file) {
  std::ofstream out(path);
  for (const auto& l : file.header) out << l << "\n";
  for (std::size_t i = 0; i < file.cases.size(); ++i) {
    const Case& c = file.cases[i];
    for (const auto& l : c.source) out << l << "\n";
    for (const auto& l : c.expected) out << "= " << l << "\n";
    if (i + 1 < file.cases.size()) out << "\n";
  }
}

// A text as a JSON string without its quotes: control characters stay visible (\r).
std::string escaped(const nlohmann::json& text) {
  std::string s = text.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  return s.substr(1, s.size() - 2);
}

// One printed JSON line in a shorter form that keeps every field: dialogs as
// "KIND "CAPTION" [BUTTONS] -> ANSWER: TEXT" (a plain message as "message: TEXT"), printed
// values as "print REF = VALUE", windows as "window NAME ACTION". Any other line stays as
// printed.
std::string render(const std::string& line) {
  const auto j = nlohmann::json::parse(line, nullptr, false);
  if (j.is_discarded() || !j.is_object()) return line;
  auto has = [&](std::initializer_list<const char*> keys) {
    if (j.size() != keys.size()) return false;
    for (const char* k : keys)
      if (!j.contains(k)) return false;
    return true;
  };
  if (has({"dialog", "caption", "text", "buttons", "answer"}) && j["dialog"].is_string() &&
      j["caption"].is_string() && j["text"].is_string() && j["buttons"].is_array()) {
    if (j["dialog"] == "message" && j["caption"] == "QAV Maker" &&
        j["buttons"] == nlohmann::json::array({"Ok"}) && j["answer"] == "Ok")
      return "message: " + escaped(j["text"]);
    std::string buttons;
    for (const auto& b : j["buttons"]) buttons += (buttons.empty() ? "" : ",") + escaped(b);
    std::string answer = j["answer"].is_null() ? "(none)" : escaped(j["answer"]);
    return j["dialog"].get<std::string>() + " \"" + escaped(j["caption"]) + "\" [" + buttons +
           "] -> " + answer + ": " + escaped(j["text"]);
  }
  if (has({"print", "value"}) && j["print"].is_string() && j["value"].is_string())
    return "print " + j["print"].get<std::string>() + " = " + escaped(j["value"]);
  if (has({"window", "action"}) && j["window"].is_string() && j["action"].is_string())
    return "window " + j["window"].get<std::string>() + " " + j["action"].get<std::string>();
  return line;
}

// Plays one case in a fresh directory and returns its output lines.
Lines play(const Case& c) {
  ProjectBuilder project = corpusProject();
  for (int n : c.options) project.options[static_cast<std::size_t>(n)] = true;
  Lines output;
  for (const auto& [name, lines] : c.scripts) {
    if (lines.empty()) continue;
    if (!attachScript(project, name, lines)) output.push_back("!! no item named " + name);
  }
  TempDir dir;
  // The player's bytes before the payload are never read: a hole keeps the file cheap.
  const std::string program = dir.path() + "/corpus";
  {
    std::ofstream file(program, std::ios::binary);
    file.seekp(static_cast<std::streamoff>(kPayloadOffset));
    file << project.payload();
  }

  std::vector<std::string> args{"--headless", "--event", kClock};
  for (const auto& a : c.answers) args.insert(args.end(), {"--answer", a});
  for (const auto& e : c.events.empty() ? Lines{"click:Run"} : c.events)
    args.insert(args.end(), {"--event", e});
  args.push_back(program);

  std::ostringstream out, err;
  auto* coutBuf = std::cout.rdbuf(out.rdbuf());
  auto* cerrBuf = std::cerr.rdbuf(err.rdbuf());
  int code = -1;
  for (const auto& command : tool::commands())
    if (command.name == "run") code = command.run(args);
  std::cout.rdbuf(coutBuf);
  std::cerr.rdbuf(cerrBuf);

  Lines printed;
  std::istringstream lines(out.str());
  for (std::string l; std::getline(lines, l);) printed.push_back(l);
  // The start-up show and the closing exit are in every case; their absence is not.
  if (printed.size() >= kStartup.size() &&
      std::equal(kStartup.begin(), kStartup.end(), printed.begin()))
    printed.erase(printed.begin(), printed.begin() + static_cast<long>(kStartup.size()));
  else
    output.push_back("!! the main window was not shown first");
  bool exited = !printed.empty() && printed.back() == kExit;
  if (exited) printed.pop_back();
  // Paths in the case's own directory are shown relative to it.
  for (auto l : printed) {
    for (std::size_t at; (at = l.find(dir.path())) != std::string::npos;)
      l.replace(at, dir.path().size(), "<dir>");
    output.push_back(render(l));
  }
  if (!exited) output.push_back("!! no exit 0 at the end");
  if (code != 0) output.push_back("!! exit code " + std::to_string(code));
  std::istringstream errors(err.str());
  for (std::string l; std::getline(errors, l);) output.push_back("!! " + l);
  return output;
}

// A line diff of the expected and the actual lines ("-" expected only, "+" actual only).
std::string diff(const Lines& a, const Lines& b) {
  const std::size_t n = a.size(), m = b.size();
  std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;)
    for (std::size_t j = m; j-- > 0;)
      common[i][j] =
          a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
  std::string out;
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i] == b[j]) {
      out += "    " + a[i++] + "\n";
      ++j;
    } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
      out += "  - " + a[i++] + "\n";
    } else {
      out += "  + " + b[j++] + "\n";
    }
  }
  return out;
}

std::vector<std::string> corpusFiles() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kCasesDir))
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class Corpus : public ::testing::TestWithParam<std::string> {};

TEST_P(Corpus, PlaysAsRecorded) {
  const fs::path path = kCasesDir / (GetParam() + ".txt");
  std::string error;
  CorpusFile file = parse(path, error);
  ASSERT_TRUE(error.empty()) << error;
  ASSERT_FALSE(file.cases.empty()) << path << " holds no case";
  const bool record = std::getenv("QAV_RECORD_CORPUS") != nullptr;
  int failed = 0;
  for (Case& c : file.cases) {
    Lines actual = play(c);
    if (record) {
      c.expected = std::move(actual);
    } else if (actual != c.expected) {
      ++failed;
      ADD_FAILURE() << path.filename().string() << ":" << c.line << ": " << c.title
                    << "\n  (- recorded, + now)\n"
                    << diff(c.expected, actual);
    }
  }
  if (record) write(path, file);
  EXPECT_EQ(failed, 0) << failed << " of " << file.cases.size() << " cases differ";
}

INSTANTIATE_TEST_SUITE_P(Cases, Corpus, ::testing::ValuesIn(corpusFiles()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace qav::testing
