#include "script/Interpreter.h"

#include <time.h>

#include <exception>
#include <new>
#include <stdexcept>

#include "base/DateTime.h"
#include "base/Text.h"
#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "items/controls/NewCheckBox.h"
#include "lang/ClassNames.h"
#include "lang/Messages.h"
#include "lang/PropertyNames.h"
#include "lang/PropertyWords.h"
#include "lang/Vocabulary.h"
#include "lang/Words.h"
#include "platform/Platform.h"
#include "props/Reference.h"
#include "stores/MainData.h"

namespace qav::script {

Interpreter::Interpreter(ScriptHost& host) : host_(host) {
  registerCoreStatements(*this);
  registerDialogStatements(*this);
  registerListStatements(*this);
  registerDataStatements(*this);
}

void Interpreter::registerStatement(std::string_view keyword, Statement handler) {
  statements_.insert_or_assign(std::string(keyword), std::move(handler));
  compiledStale_ = true;
}

void Interpreter::compileLine(const std::string& line, std::size_t index) {
  if (compiledStale_) {
    compiled_.clear();
    compiledStale_ = false;
  }
  if (compiled_.size() <= index) compiled_.resize(index + 1);
  CompiledLine& c = compiled_[index];
  if (!c.made || c.text != line) {
    c.text = line;
    c.tokens.parse(line);
    auto it =
        c.tokens.count() ? statements_.find(std::string_view(c.tokens[1])) : statements_.end();
    c.statement = it == statements_.end() ? nullptr : &it->second;
    c.made = true;
  }
  tokens_ = &c.tokens;
  statement_ = c.statement;
}

void Interpreter::resetRun() {
  currentLine_ = 0;
  variables_.clear();
  abort_ = false;
  endRequested_ = false;
  chainTarget_ = nullptr;
  conditionDepth_ = 0;
  loopDepth_ = 0;
  labelCount_ = 0;
  imageBuffer_.reset();
  listBuffer_.clear();
  fontBuffer_ = host_.mainWindow().font();
}

// The coarse clock: read before every line, and a few milliseconds of resolution are plenty
// for a question asked after seconds.
int64_t steadyMillis() {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
  return static_cast<int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

void Interpreter::IventRun() {
  chainedRuns_ = 0;
  linesRun_ = 0;
  askedAt_ = clock_();
  for (;;) {
    runOnce();
    Component* next = chainTarget_;
    chainTarget_ = nullptr;
    if (!next) return;
    // "이벤트실행": the started event's script runs in place of the caller, which has ended.
    ++chainedRuns_;
    host_.setScriptRunning(false);
    if (!host_.SelectEvent(*next)) return;
  }
}

namespace {
// Clears the running flag however the run ends.
struct RunningGuard {
  ScriptHost& host;
  ~RunningGuard() { host.setScriptRunning(false); }
};
}  // namespace

bool Interpreter::runOnce() {
  resetRun();
  std::vector<std::string>& lines = host_.ScriptList();
  if (lines.empty()) {
    imageBuffer_.reset();
    listBuffer_.clear();
    return false;
  }
  host_.setScriptRunning(true);
  RunningGuard guard{host_};
  try {
    while (currentLine_ >= 0 && static_cast<std::size_t>(currentLine_) < lines.size()) {
      if (lineGate_ && !lineGate_()) break;
      compileLine(lines[static_cast<std::size_t>(currentLine_)],
                  static_cast<std::size_t>(currentLine_));
      const std::string& kw = (*tokens_)[1];
      if (kw == msg::kEndIf) {
        if (conditionDepth_ > 0) --conditionDepth_;
      } else if (kw == msg::kElse) {
        if (conditionDepth_ >= 1)
          conditions_[static_cast<std::size_t>(conditionDepth_ - 1)] =
              !conditions_[static_cast<std::size_t>(conditionDepth_ - 1)];
      } else if (conditionDepth_ > 0 &&
                 !conditions_[static_cast<std::size_t>(conditionDepth_ - 1)]) {
        // skipped line
      } else {
        execute();
        if (kw == msg::kEnd || abort_ || endRequested_ || chainTarget_) break;
      }
      if (!lineDone()) break;  // the user ended a long run: as "종료" after this line
      ++currentLine_;
    }
  } catch (...) {
    // Only the error report itself can get here (a failing dialog); the run ends.
    chainTarget_ = nullptr;
  }
  imageBuffer_.reset();
  listBuffer_.clear();
  return true;
}

void Interpreter::execute() {
  if (!statement_) return;  // not a keyword: the line is a comment
  // A failure inside a statement (an item refusing a value, a file that cannot be read)
  // becomes a script error; nothing escapes the run.
  std::string failure;
  try {
    if (tokens_->overflowed()) {
      Error(msg::kTooManyTokens);
      return;
    }
    (*statement_)(*this);
    return;
  } catch (const std::bad_alloc&) {
    // Out of memory: whatever the script was building is let go and the event ends, rather
    // than every following line failing the same way.
    variables_.clear();
    listBuffer_ = {};
    imageBuffer_.reset();
    abort_ = true;
    failure = msg::kOutOfMemory;
  } catch (const std::exception& e) {
    failure = e.what();
  } catch (...) {
    failure = "Unknown error";
  }
  Error(failure);
}

bool Interpreter::lineDone() {
  if (++linesRun_ < linesBeforeAsking_ && clock_() - askedAt_ < kMillisBeforeAsking) return true;
  linesRun_ = 0;
  Button b = host_.platform().messageBoxWithDefault(DialogKind::Warning, msg::kWarningCaption,
                                                    msg::kLongRunQuestion, kYes | kNo, kNo);
  askedAt_ = clock_();
  return b == kYes;
}

// --- Error report ----------------------------------------------------------------------

void Interpreter::Error(std::string_view message) {
  MainData* s = host_.settings();
  bool opt2 = s && s->option(2), opt3 = s && s->option(3), opt4 = s && s->option(4);
  if (opt4) abort_ = true;
  if (opt3 || opt4) return;
  std::string textOut(opt2 ? msg::kErrorHeadingContinue : msg::kErrorHeadingChoose);
  textOut += host_.EventSourceName();
  textOut += msg::kErrorOfEvent;
  textOut += text::decimal(currentLine_ + 1);
  textOut += msg::kErrorLineSuffix;
  textOut += "\r\r  ";
  const auto& lines = host_.ScriptList();
  if (currentLine_ >= 0 && static_cast<std::size_t>(currentLine_) < lines.size())
    textOut += text::trim(lines[static_cast<std::size_t>(currentLine_)]);
  textOut += "\r\r";
  textOut += message;
  if (opt2) {
    host_.platform().messageBox(DialogKind::Error, msg::kErrorCaption, textOut, kOk);
    userAnswered();
    return;
  }
  Button b =
      host_.platform().messageBox(DialogKind::Error, msg::kErrorCaption, textOut, kOk | kCancel);
  userAnswered();
  if (b == kCancel) abort_ = true;
}

// --- Run tables ------------------------------------------------------------------------

bool Interpreter::pushCondition(bool value) {
  if (conditionDepth_ >= kMaxBlocks) return false;
  conditions_[static_cast<std::size_t>(conditionDepth_++)] = value;
  return true;
}

bool Interpreter::pushLoop(Loop loop) {
  if (loopDepth_ >= kMaxLoops) return false;
  loops_[static_cast<std::size_t>(loopDepth_++)] = std::move(loop);
  return true;
}

bool Interpreter::setLabel(std::string_view label) {
  for (int i = 0; i < labelCount_; ++i)
    if (labels_[static_cast<std::size_t>(i)].text == label) return true;
  if (labelCount_ >= kMaxLabels) return false;
  Label& l = labels_[static_cast<std::size_t>(labelCount_++)];
  l.text.assign(label);
  l.line = currentLine_;
  return true;
}

std::optional<int> Interpreter::labelLine(std::string_view label) const {
  for (int i = 0; i < labelCount_; ++i)
    if (labels_[static_cast<std::size_t>(i)].text == label)
      return labels_[static_cast<std::size_t>(i)].line;
  return std::nullopt;
}

// --- Maths -----------------------------------------------------------------------------

std::string Interpreter::Maths(std::string_view expression) {
  depthExceeded_ = false;
  steps_ = 0;
  std::string r = evaluate(expression, 0);
  if (depthExceeded_) return std::string(msg::kErrorValue);
  return r;
}

namespace {
bool isOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '%' || c == '~';
}
}  // namespace

// One evaluation step per nesting level; the depth bound keeps any line, however deeply
// nested, from exhausting the stack (beyond it the whole expression is "#Error").
std::string Interpreter::evaluate(std::string_view e, int depth) {
  if (depth > kMaxExpressionDepth || ++steps_ > kMaxExpressionSteps) {
    depthExceeded_ = true;
    return std::string(msg::kErrorValue);
  }
  if (depthExceeded_) return std::string(msg::kErrorValue);
  if (e == msg::kErrorValue) return std::string(e);

  if (e.size() >= 2 && e[0] == '(') {
    int d = 1;
    std::size_t close = std::string_view::npos;
    for (std::size_t i = 1; i < e.size(); ++i) {
      if (e[i] == '(')
        ++d;
      else if (e[i] == ')' && --d == 0) {
        close = i;
        break;
      }
    }
    if (close == std::string_view::npos) return std::string(msg::kErrorValue);
    if (close == e.size() - 1) e = e.substr(1, e.size() - 2);
  }

  std::size_t split = std::string_view::npos;
  int d = 0;
  for (std::size_t i = e.size(); i-- > 0;) {
    char c = e[i];
    if (c == ')')
      ++d;
    else if (c == '(')
      --d;
    if (d == 0 && isOperator(c)) {
      split = i;
      if (c == '+' || c == '-') break;
    }
  }

  std::string_view left, right;
  if (split != std::string_view::npos) {
    left = text::trim(e.substr(0, split));
    right = text::trim(e.substr(split + 1));
  }
  if (split == std::string_view::npos || (left.empty() && !e.empty())) {
    std::string v(e);
    if (v.find(':') != std::string::npos && !IsNumber(v)) {
      char t = TypeCheck(v);
      if (t == 'C' || t == 'S') v = Propertys(host_, v);
    }
    if (v == msg::kEmptyOperand) return {};
    if (v == msg::kSpaceOperand) return " ";
    if (v == msg::kReturnOperand) return "\r";
    if (v.size() == 5) {
      std::string up = text::upperAscii(v);
      if (up == msg::kDateOperand) return text::formatDate(host_.platform().now());
      if (up == msg::kTimeOperand) return text::formatTime(host_.platform().now());
    }
    return v;
  }
  if (right.empty()) return std::string(msg::kErrorValue);

  char op = e[split];
  std::string l = evaluate(left, depth + 1);
  std::string r = evaluate(right, depth + 1);
  if (op == '%') {
    // A value that evaluated to its own text would only give itself again.
    if (l != left) l = evaluate(l, depth + 1);
    if (r != right) r = evaluate(r, depth + 1);
  }
  if (op != '~' && IsNumber(l) && IsNumber(r)) {
    int64_t a = TextToNumber(text::trim(l)), b = TextToNumber(text::trim(r));
    auto wrap = [](int64_t v) {
      return static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(v)));
    };
    switch (op) {
      case '+':
        return text::decimal(wrap(a + b));
      case '-':
        return text::decimal(wrap(a - b));
      case '*':
        return text::decimal(
            wrap(static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b))));
      case '/':
        if (b == 0) return std::string(msg::kErrorValue);
        return text::decimal(wrap(a / b));
      case '%':
        if (b == 0) return std::string(msg::kErrorValue);
        return text::decimal(wrap(a % b));
      default:
        break;
    }
  }
  const bool joined = op == '+' || op == '~';
  if (l.size() + r.size() + (joined ? 0 : 1) > kMaxTextBytes)
    throw std::length_error(std::string(msg::kTextTooLong));
  if (joined) return l + r;
  std::string out = std::move(l);
  out += op;
  out += r;
  return out;
}

// --- Type and list checks --------------------------------------------------------------

namespace {
// The property name of a schema row: from its fourth byte up to the first ":" after it.
std::string_view rowEntryName(std::string_view row) {
  if (row.size() < 4) return {};
  std::string_view rest = row.substr(3);
  return rest.substr(0, rest.find(':'));
}
}  // namespace

const LetterIndex* Interpreter::schemaIndex(std::string_view className) {
  auto it = schemaCache_.find(className);
  if (it == schemaCache_.end()) {
    LetterIndex index;
    if (const auto* rows = host_.schemaRows(className))
      for (const std::string& row : *rows)
        index.try_emplace(std::string(rowEntryName(row)), row.size() >= 3 ? row[2] : 'S');
    it = schemaCache_.emplace(std::string(className), std::move(index)).first;
  }
  return &it->second;
}

char Interpreter::TypeCheck(std::string_view ref) {
  if (ref.find(':') == std::string_view::npos) return 'S';
  Reference r = splitReference(ref);
  if (r.qualifier.empty() || r.qualifier == msg::kDataQualifier ||
      r.qualifier == msg::kSystemQualifier || r.qualifier == msg::kRegisterQualifier)
    return 'S';
  Component* c = host_.FindControl(r.qualifier);
  if (!c) return 'S';
  const LetterIndex* index = schemaIndex(c->className());
  auto it = index->find(r.name);
  return it == index->end() ? 'S' : it->second;
}

bool Interpreter::ListCheck(std::string_view ref, std::string_view value) {
  Reference r = splitReference(ref);
  if (r.qualifier.empty()) return false;
  Component* c = host_.FindControl(r.qualifier);
  if (!c) return false;
  const auto* rows = host_.schemaRows(c->className());
  if (!rows) return false;
  std::string_view want = text::trim(value);
  for (const std::string& rowText : *rows) {
    std::string_view row = rowText;
    if (rowEntryName(row) != r.name) continue;
    std::size_t first = row.find(':', 1);
    if (first == std::string_view::npos) continue;
    std::size_t start = first + 1;
    for (std::size_t i = start; i < row.size(); ++i) {
      if (row[i] == ',' || row[i] == ':') {
        if (text::trim(row.substr(start, i - start)) == want) return true;
        if (row[i] == ':') break;
        start = i + 1;
      }
    }
  }
  return false;
}

// The group rule visits every exclusive check box of the same group on the clicked box's
// own window: a group never reaches across windows, and a box on no window has no group.
void Interpreter::CheckBox_GroupCheck(ItemModel& clicked) {
  auto* box = dynamic_cast<TNewCheckBox*>(&clicked);
  if (!box) return;
  auto setChecked = [](TNewCheckBox& b, bool on) {
    EventHandler saved = b.handler();
    b.setHandler(nullptr);  // the write must not raise the box's own event
    struct Restore {
      ItemModel& b;
      EventHandler& h;
      ~Restore() { b.setHandler(std::move(h)); }
    } restore{b, saved};
    b.SetItemProperty(prop::kChecked, on ? words::kTrue : words::kFalse);
  };
  if (WindowModel* window = box->parentWindow()) {
    for (Component* c : host_.componentList()) {
      auto* other = dynamic_cast<TNewCheckBox*>(c);
      if (!other || other == box || other->parentWindow() != window) continue;
      if (other->only() && other->group() == box->group()) setChecked(*other, false);
    }
  }
  if (box->only()) setChecked(*box, true);
}

}  // namespace qav::script
