// The interpreter's work done once per line or per run rather than per executed line: making
// a line's entry, binding its quick forms, looking references up, resetting a run, the run's
// label and loop tables and the long-run question. Built for size; the run loop and what it
// calls on every line are in Interpreter.cpp, built for speed.
#include <time.h>

#include <algorithm>
#include <exception>
#include <new>

#include "base/Text.h"
#include "items/ItemModel.h"
#include "items/PropTable.h"
#include "items/WindowModel.h"
#include "lang/Texts.h"
#include "lang/Vocabulary.h"
#include "platform/Platform.h"
#include "props/Reference.h"
#include "props/Schema.h"
#include "script/Interpreter.h"

namespace qav::script {

Interpreter::Interpreter(ScriptHost& host) : host_(host) {
  for (auto group : {coreStatements(), dialogStatements(), listStatements(), dataStatements()})
    for (const StatementEntry& s : group) registerStatement(s.keyword, s.run);
  for (const StatementEntry& s : coreStatements()) quickKeywords_.emplace_back(s.keyword);
}

void Interpreter::registerStatement(std::string_view keyword, Statement handler) {
  statements_.insert_or_assign(std::string(keyword), std::move(handler));
  std::erase(quickKeywords_, keyword);
  compiledStale_ = true;
}

Interpreter::CompiledLine& Interpreter::compileLine(const std::string& line, std::size_t index) {
  if (compiledStale_) {
    compiled_.clear();
    compiledStale_ = false;
  }
  if (compiled_.size() <= index) compiled_.resize(index + 1);
  CompiledLine& c = compiled_[index];
  if (c.checked != run_ && (!c.made || c.text != line)) {
    c.text = line;
    c.tokens.parse(line);
    const std::string& kw = c.tokens[1];
    auto it = c.tokens.count() ? statements_.find(std::string_view(kw)) : statements_.end();
    c.statement = it == statements_.end() ? nullptr : &it->second;
    auto* const plain = c.statement ? c.statement->target<void (*)(Interpreter&)>() : nullptr;
    c.plain = plain ? *plain : nullptr;
    c.flow = kw == msg::kIf      ? Flow::If
             : kw == msg::kElse  ? Flow::Else
             : kw == msg::kEndIf ? Flow::EndIf
             : kw == msg::kEnd   ? Flow::End
                                 : Flow::Other;
    c.quick = !c.statement ||
              std::find(quickKeywords_.begin(), quickKeywords_.end(), kw) != quickKeywords_.end();
    c.trees.clear();
    c.refs.clear();
    c.notes.clear();
    c.bound = nullptr;
    c.made = true;
  }
  c.checked = run_;
  return c;
}

void Interpreter::bindAssign(CachedRef& target, int first) {
  if (!current_) return;
  current_->bound = nullptr;
  ExprTree* tree = keptTree(kMaxTokens + first);
  if (!tree || !variableOf(target)) return;
  current_->target = &target;
  current_->tree = tree;
  const ExprNode& n = tree->nodes[0];
  if (tree->program == ExprTree::Program::Made)
    bind(assignNumber);
  else if (n.kind == ExprNode::Kind::Reference && n.ref.itemRead &&
           (n.ref.letter == 'C' || n.ref.letter == 'S') && !text::trim(n.operand).empty())
    bind(assignItemRead);
}

void Interpreter::bindCondition(const std::vector<int>& notes) {
  if (!current_) return;
  current_->bound = nullptr;
  auto program = [&](int key) -> ExprTree* {
    ExprTree* t = keptTree(key);
    return t && t->program == ExprTree::Program::Made ? t : nullptr;
  };
  std::vector<CompiledLine::Clause>& clauses = current_->clauses;
  clauses.clear();
  for (std::size_t k = 0, i = 2; k + 2 < notes.size(); k += 3) {
    ExprTree* left = program(2 * kMaxTokens + static_cast<int>(i));
    ExprTree* right = program(3 * kMaxTokens + static_cast<int>(i));
    if (!left || !right) return;
    clauses.push_back({left, right, notes[k], notes[k + 2]});
    i = static_cast<std::size_t>(notes[k + 1]) + 1;
  }
  bind(conditionNumbers);
}

void Interpreter::bindLoopEnd(CachedRef& target) {
  if (!current_) return;
  current_->bound = nullptr;
  if (const Loop* top = topLoop()) {
    current_->target = &target;
    current_->loopId = top->id;
    bind(stepLoop);
  }
}

void Interpreter::lookUp(CachedRef& ref) {
  const std::string_view q = ref.parts.qualifier;
  ref.component = host_.FindControl(q);
  ref.letter = 'S';
  ref.itemRead = false;
  if (!q.empty() && q != msg::kDataQualifier && q != msg::kSystemQualifier &&
      q != msg::kRegisterQualifier && ref.component) {
    if (ref.parts.hasColon)
      if (const SchemaTable* table = schemaForClass(ref.component->className()))
        ref.letter = table->typeLetter(ref.parts.name);
    ref.itemRead = ref.component->isItem() && !ref.component->isWindow() &&
                   ref.parts.name != prop::kName && hasPropertyTable(ref.component->className());
  }
  ref.table = ref.itemRead ? static_cast<const ItemModel&>(*ref.component).readTable() : nullptr;
  if (ref.table) ref.row = ref.table->firstRow(ref.parts.name);
  ref.run = run_;
}

void Interpreter::resetRun() {
  if (++run_ == 0) ++run_;  // 0 marks a reference never looked up
  hostVariables_ = &host_.variables();
  currentLine_ = 0;
  variables_.clear();
  abort_ = false;
  endRequested_ = false;
  chainTarget_ = nullptr;
  conditionDepth_ = 0;
  skippedBlocks_ = 0;
  loopDepth_ = 0;
  labelCount_ = 0;
  imageBuffer_.reset();
  listBuffer_.clear();
  fontBuffer_ = host_.mainWindow().font();
}

// The coarse clock: a few milliseconds of resolution are plenty for a question asked after
// seconds.
int64_t steadyMillis() {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
  return static_cast<int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

void Interpreter::IventRun() {
  chainedRuns_ = 0;
  linesRun_ = 0;
  quickLines_ = 0;
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

void Interpreter::statementFailed() {
  std::string failure;
  try {
    throw;
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

bool Interpreter::lineDoneSlow() {
  if (linesRun_ < linesBeforeAsking_) {
    quickLines_ = 0;
    if (clock_() - askedAt_ < kMillisBeforeAsking) return true;
  }
  linesRun_ = 0;
  Button b = host_.platform().messageBoxWithDefault(DialogKind::Warning, msg::kWarningCaption,
                                                    msg::kLongRunQuestion, kYes | kNo, kNo);
  askedAt_ = clock_();
  return b == kYes;
}

bool Interpreter::pushLoop(Loop loop) {
  if (loopDepth_ >= kMaxLoops) return false;
  loop.id = ++loopIds_;
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

bool Interpreter::specialWord(std::string_view v, std::string& out) {
  static_assert(msg::kEmptyOperand[0] == '#' && msg::kSpaceOperand[0] == '#' &&
                msg::kReturnOperand[0] == '#' && msg::kDateOperand[0] == '#' &&
                msg::kTimeOperand[0] == '#');
  Platform& platform = host_.platform();
  if (v == msg::kEmptyOperand) {
    out.clear();
  } else if (v == msg::kSpaceOperand) {
    out = " ";
  } else if (v == msg::kReturnOperand) {
    out = "\r";
  } else if (text::equalsIgnoreAsciiCase(v, msg::kDateOperand)) {
    out = text::formatDate(platform.now());
  } else if (text::equalsIgnoreAsciiCase(v, msg::kTimeOperand)) {
    out = text::formatTime(platform.now());
  } else {
    return false;
  }
  return true;
}

}  // namespace qav::script
