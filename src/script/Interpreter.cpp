#include "script/Interpreter.h"

#include <time.h>

#include <algorithm>
#include <exception>
#include <new>
#include <stdexcept>

#include "base/Text.h"
#include "items/ItemModel.h"
#include "items/PropTable.h"
#include "items/WindowModel.h"
#include "lang/Texts.h"
#include "lang/Vocabulary.h"
#include "platform/Platform.h"
#include "props/Reference.h"
#include "props/Schema.h"

namespace qav::script {

std::string Interpreter::lineMaths(int key, MakeText make, int a, int b) {
  if (ExprTree* tree = lineTree(key, make, a, b)) return Maths(*tree);
  return Maths(make(tokens(), a, b));
}

Value Interpreter::lineValue(int key, MakeText make, int a, int b) {
  if (ExprTree* tree = lineTree(key, make, a, b)) return mathsValue(*tree);
  const std::string text = make(tokens(), a, b);
  scratch_.reset(text);
  return mathsValue(scratch_);
}

ExprTree* Interpreter::lineTree(int key, MakeText make, int a, int b) {
  if (!current_) return nullptr;
  if (ExprTree* kept = keptTree(key)) return kept;
  auto tree = std::make_unique<ExprTree>();
  tree->source = make(tokens(), a, b);
  tree->reset(tree->source);
  return current_->trees.emplace_back(key, std::move(tree)).second.get();
}

std::string tokenText(const Tokens& t, int n, int) {
  return t[n];
}

std::string wordsText(const Tokens& t, int first, int) {
  return text::trimmed(t.joinFrom(first));
}

std::string Interpreter::tokenMaths(int n) {
  return lineMaths(n, tokenText, n);
}

void Interpreter::assignWords(CachedRef& target, int first) {
  ExprTree* tree = lineTree(kMaxTokens + first, wordsText, first);
  if (!tree)
    write(target, wordsMaths(first));
  else if (!appendInPlace(*tree, target))
    write(target, mathsValue(*tree));
}

// A variable given its own text with more joined to it ("정의 s = :s ~ ..."): the more is
// appended where the text is, not to a copy that then replaces it. Any other form, or a text
// that reads as a special operand, is left to the general way (false).
bool Interpreter::appendInPlace(ExprTree& tree, CachedRef& target) {
  constexpr std::size_t kMaxJoined = 64;
  if (tree.nodes[0].kind == ExprNode::Kind::Unshaped) shape(tree, 0);
  const Chain& chain = tree.nodes[0].chain;
  const std::size_t first = tree.nodes[0].firstChild, n = chain.operands.size();
  if (tree.nodes[0].kind != ExprNode::Kind::Chain || chain.additive || n > kMaxJoined) return false;
  for (char op : chain.ops)
    if (op != '~') return false;
  for (std::size_t k = 0; k < n; ++k) {
    if (tree.nodes[first + k].kind == ExprNode::Kind::Unshaped) shape(tree, first + k);
    if (tree.nodes[first + k].kind == ExprNode::Kind::Chain) return false;
  }
  CachedRef& own = tree.nodes[first].ref;
  if (tree.nodes[first].kind != ExprNode::Kind::Reference || !own.parts.qualifier.empty() ||
      own.parts.name != target.parts.name)
    return false;
  Variable* var = variableOf(target);
  std::string unused;
  if (!var || special(var->text(), unused)) return false;
  // The other operands, as an evaluation of the whole would read them.
  depthExceeded_ = false;
  steps_ = 2;
  std::vector<Value>& values = scratchValues_;
  values.resize(n);
  std::size_t size = var->text().size();
  for (std::size_t k = 1; k < n; ++k) {
    visit(tree, first + k, values[k]);
    size += values[k].asText().size();
  }
  if (size > kMaxTextBytes) throw std::length_error(std::string(msg::kTextTooLong));
  std::string& text = var->textToChange();
  for (std::size_t k = 1; k < n; ++k) text += values[k].text;
  return true;
}

// A whole-number program into a variable: what assignWords does when the program runs.
bool Interpreter::assignNumber(Interpreter& in, CompiledLine& c) {
  Variable* v = in.variableOf(*c.target);
  int32_t r = 0;
  if (!v || !in.runProgram(*c.tree, r)) return false;
  v->setNumber(r);
  return true;
}

// An item's property into a variable: what read and visit do for an item read, without the
// temporaries.
bool Interpreter::assignItemRead(Interpreter& in, CompiledLine& c) {
  Variable* v = in.variableOf(*c.target);
  if (!v) return false;
  const ExprNode& n = c.tree->nodes[0];
  std::string& t = in.readText_;
  t.assign(n.operand);
  readItem(n.ref, t);
  if (std::string s; in.special(t, s))
    v->setText(std::move(s));
  else
    v->setText(std::string_view(t));
  return true;
}

// A condition whose every side is a whole-number program.
bool Interpreter::conditionNumbers(Interpreter& in, CompiledLine& c) {
  bool acc = false;
  auto pending = Connector::Then;
  for (const CompiledLine::Clause& clause : c.clauses) {
    int32_t a = 0, b = 0;
    if (!in.runProgram(*clause.left, a) || !in.runProgram(*clause.right, b)) return false;
    const bool result = compareNumbers(static_cast<CompareOp>(clause.op), a, b);
    acc = joinClause(pending, acc, result);
    pending = static_cast<Connector>(clause.connector);
  }
  return in.pushCondition(acc);
}

// The innermost loop's step while it is the loop bound and its variable holds a number.
bool Interpreter::stepLoop(Interpreter& in, CompiledLine& c) {
  Loop* top = in.topLoop();
  if (!top || top->id != c.loopId) return false;
  Variable* v = in.variableOf(*c.target);
  if (!v || !variableNumber(*v)) return false;
  const int32_t n = top->after(v->number);
  v->setNumber(n);
  in.loopOn(n);
  return true;
}

std::string Interpreter::wordsMaths(int first) {
  return lineMaths(kMaxTokens + first, wordsText, first);
}

CachedRef& Interpreter::lineRef(int key, std::string_view text, MakeText make, int a) {
  CachedRef* ref = &scratchRef_;
  if (current_) {
    LineRef* found = nullptr;
    for (auto& r : current_->refs)  // keys are unique in a line
      if (r->key == key) {
        found = r.get();
        break;
      }
    if (!found) {
      found = current_->refs.emplace_back(std::make_unique<LineRef>()).get();
      found->key = key;
    }
    if (found->ref.run == 0 || (!make && found->text != text)) {
      found->text = make ? make(tokens(), a, 0) : std::string(text);
      found->ref = CachedRef{splitReference(found->text)};
    }
    ref = &found->ref;
  } else {
    scratchText_ = make ? make(tokens(), a, 0) : std::string(text);
    scratchRef_ = CachedRef{splitReference(scratchText_)};
  }
  refresh(*ref);
  return *ref;
}

void Interpreter::readItem(const CachedRef& ref, std::string& result) {
  const auto& item = static_cast<const ItemModel&>(*ref.component);
  if (ref.table)
    ref.table->getFrom(item, ref.row, result);
  else
    item.GetItemProperty(ref.parts.name, result);
}

std::string Interpreter::read(CachedRef& ref, std::string_view text) {
  if (const Variable* v = variableOf(ref)) return v->text();
  if (text::trim(text).empty()) return std::string(text);
  if (ref.itemRead) {  // what readReference does for such a reference, without its tests
    std::string result(text);
    readItem(ref, result);
    return result;
  }
  return readReference(host_, text, ref.parts, ref.component);
}

int32_t Interpreter::readNumber(CachedRef& ref, std::string_view text) {
  if (Variable* v = variableOf(ref); v && variableNumber(*v)) return v->number;
  return TextToNumber(read(ref, text));
}

void Interpreter::write(CachedRef& ref, std::string_view value) {
  if (Variable* v = variableOf(ref)) {
    v->setText(value);
    return;
  }
  if (!ref.parts.hasColon && text::trim(ref.parts.name).empty()) return;  // a blank reference
  writeReference(host_, ref.parts, ref.component, value);
}

void Interpreter::write(CachedRef& ref, Value&& value) {
  if (Variable* v = variableOf(ref)) {
    if (value.isNumber)
      v->setNumber(value.number);
    else
      v->setText(std::move(value.text));
    return;
  }
  write(ref, value.asText());
}

void Interpreter::writeNumber(CachedRef& ref, int32_t value) {
  Value v;
  v.setNumber(value);
  write(ref, std::move(v));
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
      const auto index = static_cast<std::size_t>(currentLine_);
      const std::string& line = lines[index];
      CompiledLine& c =
          !compiledStale_ && index < compiled_.size() && compiled_[index].checked == run_
              ? compiled_[index]
              : compileLine(line, index);
      current_ = &c;
      tokens_ = &c.tokens;
      statement_ = c.statement;
      const Flow flow = c.flow;
      const bool skipped =
          skippedBlocks_ > 0 || (flow != Flow::EndIf && flow != Flow::Else && conditionDepth_ > 0 &&
                                 !conditions_[static_cast<std::size_t>(conditionDepth_ - 1)]);
      if (trace_ && !skipped) trace_(host_.EventSourceName(), currentLine_ + 1, line);
      if (skippedBlocks_ > 0) {
        // Inside a block opened in a skipped region: every line is skipped.
        if (flow == Flow::If)
          ++skippedBlocks_;
        else if (flow == Flow::EndIf)
          --skippedBlocks_;
      } else if (flow == Flow::EndIf) {
        if (conditionDepth_ > 0) --conditionDepth_;
      } else if (flow == Flow::Else) {
        if (conditionDepth_ >= 1)
          conditions_[static_cast<std::size_t>(conditionDepth_ - 1)] =
              !conditions_[static_cast<std::size_t>(conditionDepth_ - 1)];
      } else if (skipped) {
        if (flow == Flow::If) skippedBlocks_ = 1;  // skipped, with its own branches
      } else {
        execute(c);
        if (flow == Flow::End || abort_ || endRequested_ || chainTarget_) break;
      }
      if (!lineDone(skipped || c.quick))
        break;  // the user ended a long run: as "종료" after this line
      ++currentLine_;
    }
  } catch (...) {
    // Only the error report itself can get here (a failing dialog); the run ends.
    chainTarget_ = nullptr;
  }
  current_ = nullptr;
  imageBuffer_.reset();
  listBuffer_.clear();
  return true;
}

inline void Interpreter::execute(CompiledLine& c) {
  if (!statement_) return;  // not a keyword: the line is a comment
  // A failure inside a statement (an item refusing a value, a file that cannot be read)
  // becomes a script error; nothing escapes the run.
  try {
    if (c.bound && c.boundRun == run_ && c.bound(*this, c)) return;
    runStatement();
  } catch (...) {
    statementFailed();
  }
}

void Interpreter::runStatement() {
  if (tokens_->overflowed())
    Error(msg::kTooManyTokens);
  else if (current_->plain)
    current_->plain(*this);
  else
    (*statement_)(*this);
}

// --- Run tables ------------------------------------------------------------------------

bool Interpreter::pushCondition(bool value) {
  if (conditionDepth_ >= kMaxBlocks) return false;
  conditions_[static_cast<std::size_t>(conditionDepth_++)] = value;
  return true;
}

// --- Maths -----------------------------------------------------------------------------

std::string Interpreter::Maths(std::string_view expression) {
  scratch_.reset(expression);
  return Maths(scratch_);
}

std::string Interpreter::Maths(ExprTree& tree) {
  return std::move(mathsValue(tree).asText());
}

Value Interpreter::mathsValue(ExprTree& tree) {
  Value r;
  if (tree.program == ExprTree::Program::Shaped) makeProgram(tree);
  if (tree.program == ExprTree::Program::Made && runProgram(tree, r.number)) {
    r.isNumber = true;
    return r;
  }
  if (tree.program == ExprTree::Program::Joined && runJoin(tree, r.text)) return r;
  depthExceeded_ = false;
  steps_ = 0;
  r = evaluate(tree, 0);
  if (depthExceeded_) r.setText(msg::kErrorValue);
  if (tree.program == ExprTree::Program::Unknown) tree.program = ExprTree::Program::Shaped;
  return r;
}

bool Interpreter::runSteps(ExprTree& tree, int32_t& result) {
  if (stack_.size() < tree.steps.size()) stack_.resize(tree.steps.size());
  int32_t* stack = stack_.data();
  std::size_t depth = 0;
  for (const ProgramStep& step : tree.steps) {
    switch (step.kind) {
      case ProgramStep::Kind::Number:
        stack[depth++] = step.number;
        break;
      case ProgramStep::Kind::Variable:
        if (!variableNumber(tree.nodes[step.node].ref, stack[depth++])) return false;
        break;
      case ProgramStep::Kind::Operator:
        --depth;
        if (!arithmetic(step.op, stack[depth - 1], stack[depth], stack[depth - 1])) return false;
        break;
      case ProgramStep::Kind::OperatorNumber:
        if (!arithmetic(step.op, stack[depth - 1], step.number, stack[depth - 1])) return false;
        break;
    }
  }
  result = stack[depth - 1];
  return true;
}

bool Interpreter::visit(ExprTree& tree, std::size_t index, Value& value) {
  // A step, and one more for every 8 KB the shaping walks go over: deep parentheses in a long
  // line are taken apart one pair at a time.
  steps_ += 1 + static_cast<long>(tree.nodes[index].text.size() / 8192);
  if (steps_ > kMaxExpressionSteps) depthExceeded_ = true;
  if (depthExceeded_) {
    value.setText(msg::kErrorValue);
    return true;
  }
  if (tree.nodes[index].kind == ExprNode::Kind::Unshaped) shape(tree, index);
  ExprNode& n = tree.nodes[index];
  switch (n.kind) {
    case ExprNode::Kind::Chain:
      return false;
    case ExprNode::Kind::Reference: {
      refresh(n.ref);
      value.isNumber = false;
      if (Variable* var = variableOf(n.ref)) {
        if (variableNumber(*var))
          value.setNumber(var->number);
        else if (!special(var->text(), value.text))
          value.text = var->text();
        return true;
      }
      std::string read;  // fonts, pictures, lists and names are not read as text here
      std::string_view v = n.operand;
      if (n.ref.letter == 'C' || n.ref.letter == 'S') {
        read = this->read(n.ref, v);
        v = read;
      }
      if (!special(v, value.text))
        value.text = v.data() == read.data() ? std::move(read) : std::string(v);
      return true;
    }
    case ExprNode::Kind::Clock:
      if (!special(n.operand, value.text)) value.text.assign(n.operand);
      value.isNumber = false;
      return true;
    default:
      if (n.isNumber)
        value.setNumber(n.number);
      else
        value.setText(n.value);
      return true;
  }
}

Value Interpreter::evaluate(std::string_view e, int depth) {
  ExprTree tree;
  tree.reset(e);
  return evaluate(tree, depth);
}

// The chains still open are kept on a list, not on the call stack, so that only parentheses
// nest (up to kMaxParenthesisNesting) and no length of line can exhaust the stack. The list's
// entries and their vectors are reused by later evaluations, so an evaluation allocates
// nothing for its chains once the list has grown to the scripts' nesting.
Value Interpreter::evaluate(ExprTree& tree, int depth) {
  if (depth > kMaxRereadDepth) depthExceeded_ = true;
  const std::size_t base = opensUsed_;
  struct Release {  // the entries taken here go back however the evaluation ends
    std::size_t& used;
    std::size_t base;
    ~Release() { used = base; }
  } release{opensUsed_, base};
  Value value;
  std::size_t node = 0;
  for (;;) {
    if (opensUsed_ == opens_.size()) opens_.push_back(std::make_unique<Open>());
    Open& slot = *opens_[opensUsed_++];
    if (!visit(tree, node, value)) {
      const int parentheses = (opensUsed_ - 1 == base ? 0 : opens_[opensUsed_ - 2]->parentheses) +
                              (tree.nodes[node].chain.parenthesised ? 1 : 0);
      if (parentheses > kMaxParenthesisNesting) {
        depthExceeded_ = true;
        value.setText(msg::kErrorValue);
        return value;
      }
      slot.parentheses = parentheses;
      slot.node = node;
      slot.values.clear();
    } else {
      --opensUsed_;
      for (;;) {
        if (opensUsed_ == base) return value;
        Open& top = *opens_[opensUsed_ - 1];
        const Chain& chain = tree.nodes[top.node].chain;
        top.values.push_back(std::move(value));
        if (top.values.size() < chain.operands.size()) break;
        value = fold(chain, top, depth);
        --opensUsed_;
      }
    }
    if (depthExceeded_) {
      value.setText(msg::kErrorValue);
      return value;
    }
    const Open& top = *opens_[opensUsed_ - 1];
    node = tree.nodes[top.node].firstChild + top.values.size();
  }
}

Value Interpreter::fold(const Chain& chain, Open& open, int depth) {
  std::vector<Value>& values = open.values;
  if (chain.additive) {
    Value v = std::move(values[0]);
    for (std::size_t k = 1; k < values.size(); ++k) {
      if (chain.operands[k].empty())
        v.setText(msg::kErrorValue);  // an operator with nothing after it
      else
        combine(chain.ops[k - 1], v, values[k], chain.operands[k - 1], chain.operands[k], depth);
    }
    return v;
  }
  // From the right. Runs of "~" gather their pieces and join them once.
  Value v = std::move(values.back());
  std::vector<std::size_t>& pieces = open.pieces;  // to go in front of v, last first
  pieces.clear();
  auto settle = [&] {
    if (pieces.empty()) return;
    std::size_t n = v.asText().size();
    for (std::size_t p : pieces) n += values[p].asText().size();
    if (n > kMaxTextBytes) throw std::length_error(std::string(msg::kTextTooLong));
    std::string joined;
    joined.reserve(n);
    for (std::size_t k = pieces.size(); k-- > 0;) joined += values[pieces[k]].text;
    joined += v.text;
    v.setText(std::move(joined));
    pieces.clear();
  };
  for (std::size_t k = chain.ops.size(); k-- > 0;) {
    if (chain.ops[k] == '~') {
      pieces.push_back(k);
      continue;
    }
    settle();
    combine(chain.ops[k], values[k], v, chain.operands[k], chain.rests[k], depth);
    std::swap(v, values[k]);
  }
  settle();
  return v;
}

// A value that evaluated to its own text would only give itself again; a number's decimal
// form reads as itself in one step.
void Interpreter::reread(Value& v, std::string_view operand, int depth) {
  if (!v.isNumber) {
    if (v.text != operand) v = evaluate(v.text, depth + 1);
    return;
  }
  if (text::Decimal(v.number).view() == operand) return;
  if (depth + 1 > kMaxRereadDepth) depthExceeded_ = true;
  if (++steps_ > kMaxExpressionSteps) depthExceeded_ = true;
  if (depthExceeded_) v.setText(msg::kErrorValue);
}

// Leaves in l the value of l op r.
void Interpreter::combine(char op, Value& l, Value& r, std::string_view left,
                          std::string_view right, int depth) {
  if (op == '%') {
    reread(l, left, depth);
    reread(r, right, depth);
  }
  int32_t a = 0, b = 0;
  if (op != '~' && l.asNumber(a) && r.asNumber(b)) {
    if (arithmetic(op, a, b, l.number))
      l.isNumber = true;
    else
      l.setText(msg::kErrorValue);
    return;
  }
  std::string& lt = l.asText();
  const std::string& rt = r.asText();
  const bool joined = op == '+' || op == '~';
  if (lt.size() + rt.size() + (joined ? 0 : 1) > kMaxTextBytes)
    throw std::length_error(std::string(msg::kTextTooLong));
  if (!joined) lt += op;
  lt += rt;
}

}  // namespace qav::script
