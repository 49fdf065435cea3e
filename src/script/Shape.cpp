// Taking expression texts apart into their trees: done once per text, so built for size.
#include <algorithm>
#include <vector>

#include "base/Text.h"
#include "lang/Texts.h"
#include "props/Reference.h"
#include "script/Interpreter.h"

namespace qav::script {
namespace {

bool isOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '%' || c == '~';
}

bool isBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

// What one step makes of a text (outer parentheses, the split operator): a value, a single
// operand, or the chain of operands that the split rule would take apart one operator at a
// time. "+" and "-" split at the rightmost of them, so they group from the left; "*", "/", "%"
// and "~" at the leftmost, so they group from the right. Taking the whole chain at once spares
// one evaluation level per operator. Nothing here depends on the run: the shape is kept.
void Interpreter::shape(ExprTree& tree, std::size_t index) {
  ExprNode* n = &tree.nodes[index];
  std::string_view e = n->text;
  auto value = [&](std::string_view v) {
    n->kind = ExprNode::Kind::Value;
    n->value.assign(v);
    n->isNumber = plainNumber(v, n->number);
  };
  if (e == msg::kErrorValue) return value(msg::kErrorValue);
  Chain& chain = n->chain;
  chain.parenthesised = false;
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
    if (close == std::string_view::npos) return value(msg::kErrorValue);
    if (close == e.size() - 1) {
      e = e.substr(1, e.size() - 2);
      chain.parenthesised = true;
    }
  }

  // The operators outside parentheses, found walking from the last byte to the first (the
  // depth counts each byte before it is tested): "+" and "-" from the right, else the others.
  std::vector<std::size_t>& at = splitAt_;
  at.clear();
  bool additive = false;
  int d = 0;
  for (std::size_t i = e.size(); i-- > 0;) {
    const char c = e[i];
    if (c == ')')
      ++d;
    else if (c == '(')
      --d;
    if (d != 0 || !isOperator(c)) continue;
    const bool plusMinus = c == '+' || c == '-';
    if (plusMinus && !additive) at.clear();
    if (plusMinus || !additive) at.push_back(i);
    additive = additive || plusMinus;
  }
  // An operator with nothing before it is no split: the text is one operand.
  std::size_t firstByte = 0;
  while (firstByte < e.size() && isBlank(e[firstByte])) ++firstByte;
  if (additive) {
    // Right to left; a "+" or "-" with nothing before it ends the chain there.
    while (!at.empty() && at.back() <= firstByte) at.pop_back();
  } else {
    std::reverse(at.begin(), at.end());  // left to right
    if (!at.empty() && at.front() <= firstByte) at.clear();
  }
  if (at.empty()) {
    // A single operand: a reference is read at each evaluation, a special operand stands for
    // its value, anything else for itself.
    n->operand = e;
    if (e.find(':') != std::string_view::npos && !IsNumber(e)) {
      n->kind = ExprNode::Kind::Reference;
      n->ref = CachedRef{splitReference(e)};
    } else if (e.size() == 5 && e[0] == '#') {
      n->kind = ExprNode::Kind::Clock;  // perhaps the date or the time: asked each time
    } else if (special(e, n->value)) {
      n->kind = ExprNode::Kind::Value;
      n->isNumber = false;
    } else {
      value(e);
    }
    return;
  }

  chain.additive = additive;
  chain.operands.clear();
  chain.ops.clear();
  chain.rests.clear();
  auto part = [&](std::size_t from, std::size_t to) {
    return text::trim(e.substr(from, to - from));
  };
  if (part(at.front() + 1, e.size()).empty()) return value(msg::kErrorValue);
  if (additive) {
    // at holds the positions right to left: operands from the left.
    chain.operands.push_back(part(0, at.back()));
    for (std::size_t k = at.size(); k-- > 0;) {
      chain.ops.push_back(e[at[k]]);
      chain.operands.push_back(part(at[k] + 1, k == 0 ? e.size() : at[k - 1]));
    }
  } else {
    chain.operands.push_back(part(0, at.front()));
    for (std::size_t k = 0; k < at.size(); ++k) {
      const std::string_view rest = part(at[k] + 1, e.size());
      chain.ops.push_back(e[at[k]]);
      chain.rests.push_back(rest);
      if (rest.empty()) {
        // Nothing after this operator: the part from the operand before it is the error value.
        chain.ops.pop_back();
        chain.rests.pop_back();
        chain.operands.back() = msg::kErrorValue;
        break;
      }
      const bool last = k + 1 == at.size() || part(at[k] + 1, at[k + 1]).empty();
      if (last) {
        chain.operands.push_back(rest);  // the rest is one operand
        break;
      }
      chain.operands.push_back(part(at[k] + 1, at[k + 1]));
    }
  }
  n->kind = ExprNode::Kind::Chain;
  const std::size_t count = chain.operands.size();
  const std::size_t first = tree.add(count);  // moves the nodes
  n = &tree.nodes[index];
  n->firstChild = first;
  for (std::size_t k = 0; k < count; ++k) tree.nodes[first + k].text = n->chain.operands[k];
}

namespace {

// Programs stay small enough that no evaluation of theirs could reach the step bound.
constexpr std::size_t kMaxProgramNodes = 1000;
constexpr std::size_t kMaxProgramText = 4096;

bool emit(ExprTree& tree, std::size_t index, std::vector<ProgramStep>& out) {
  using Kind = ProgramStep::Kind;
  const ExprNode& n = tree.nodes[index];
  switch (n.kind) {
    case ExprNode::Kind::Value:
      if (!n.isNumber) return false;
      out.push_back({Kind::Number, 0, n.number, 0});
      return true;
    case ExprNode::Kind::Reference:
      if (!n.ref.parts.hasColon || !n.ref.parts.qualifier.empty()) return false;
      out.push_back({Kind::Variable, 0, 0, index});
      return true;
    case ExprNode::Kind::Chain:
      break;
    default:
      return false;
  }
  const Chain& chain = n.chain;
  const std::size_t count = chain.operands.size(), first = n.firstChild;
  if (chain.ops.size() + 1 != count) return false;
  for (std::size_t k = 0; k < count; ++k)
    if (chain.operands[k].empty() || (k + 1 < count && chain.ops[k] == '~')) return false;
  if (chain.additive) {  // from the left
    if (!emit(tree, first, out)) return false;
    for (std::size_t k = 1; k < count; ++k) {
      if (!emit(tree, first + k, out)) return false;
      out.push_back({Kind::Operator, chain.ops[k - 1], 0, 0});
    }
    return true;
  }
  for (std::size_t k = 0; k < count; ++k)  // from the right
    if (!emit(tree, first + k, out)) return false;
  for (std::size_t k = count - 1; k-- > 0;) out.push_back({Kind::Operator, chain.ops[k], 0, 0});
  return true;
}

}  // namespace

void makeProgram(ExprTree& tree) {
  std::vector<ProgramStep>& steps = tree.steps;
  steps.clear();
  const bool small = tree.used <= kMaxProgramNodes && tree.nodes[0].text.size() <= kMaxProgramText;
  if (!small || !emit(tree, 0, steps)) {
    steps.clear();
    tree.program = small && joinable(tree) ? ExprTree::Program::Joined : ExprTree::Program::None;
    return;
  }
  tree.program = ExprTree::Program::Made;
  // A number and the operator right after it become one step.
  std::size_t n = 0;
  for (const ProgramStep& step : steps)
    if (step.kind == ProgramStep::Kind::Operator && n > 0 &&
        steps[n - 1].kind == ProgramStep::Kind::Number)
      steps[n - 1] = {ProgramStep::Kind::OperatorNumber, step.op, steps[n - 1].number, 0};
    else
      steps[n++] = step;
  steps.resize(n);
}

}  // namespace qav::script
