// Joined texts as programs: a chain of "~" over literals and ":" variables, run by appending
// each operand's text to one string instead of through the general evaluation's values.
#include "lang/Texts.h"
#include "script/Expression.h"
#include "script/Interpreter.h"

namespace qav::script {
namespace {

// The operands of a joined text: the chain's, or the tree's one node.
std::pair<std::size_t, std::size_t> operands(const ExprTree& tree) {
  const ExprNode& root = tree.nodes[0];
  if (root.kind != ExprNode::Kind::Chain) return {0, 1};
  return {root.firstChild, root.firstChild + root.chain.operands.size()};
}

}  // namespace

// A literal stands for its value (a number literal's value is its own text), a ":" variable
// is read at each run; the date and the time, items and nested chains are not joined here.
bool joinable(const ExprTree& tree) {
  const ExprNode& root = tree.nodes[0];
  if (root.kind == ExprNode::Kind::Chain) {
    const Chain& chain = root.chain;
    if (chain.additive || chain.ops.size() + 1 != chain.operands.size()) return false;
    for (char op : chain.ops)
      if (op != '~') return false;
  } else if (root.kind != ExprNode::Kind::Value) {
    return false;
  }
  const auto [first, end] = operands(tree);
  for (std::size_t k = first; k < end; ++k) {
    const ExprNode& n = tree.nodes[k];
    if (n.kind != ExprNode::Kind::Value &&
        (n.kind != ExprNode::Kind::Reference || !n.ref.parts.hasColon ||
         !n.ref.parts.qualifier.empty()))
      return false;
  }
  return true;
}

bool Interpreter::runJoin(ExprTree& tree, std::string& out) {
  // Every variable is checked and the size bounded (a number's text has at most 11 bytes)
  // before anything is appended, so that the general way can still take over.
  const auto [first, end] = operands(tree);
  std::size_t size = 0;
  for (std::size_t k = first; k < end; ++k) {
    ExprNode& n = tree.nodes[k];
    if (n.kind == ExprNode::Kind::Value) {
      size += n.value.size();
      continue;
    }
    refresh(n.ref);
    Variable* v = variableOf(n.ref);
    if (!v) return false;
    if (variableNumber(*v)) {
      size += 11;
      continue;
    }
    const std::string& text = v->text();
    if (!text.empty() && text[0] == '#') return false;  // perhaps a special operand
    size += text.size();
  }
  if (size > kMaxTextBytes) return false;  // the general way reports it
  out.clear();
  out.reserve(size);
  for (std::size_t k = first; k < end; ++k) {
    ExprNode& n = tree.nodes[k];
    if (n.kind == ExprNode::Kind::Value) {
      out += n.value;
      continue;
    }
    Variable& v = *variableOf(n.ref);
    if (variableNumber(v))
      out += text::Decimal(v.number).view();
    else
      out += v.text();
  }
  return true;
}

}  // namespace qav::script
