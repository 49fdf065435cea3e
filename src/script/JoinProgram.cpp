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
  // Appends as it goes: where the general way is needed, what was appended is dropped by the
  // caller, which works the whole text out that way.
  auto append = [&out](std::string_view piece) {
    if (out.size() + piece.size() > kMaxTextBytes) return false;  // the general way reports it
    out += piece;
    return true;
  };
  out.clear();
  const auto [first, end] = operands(tree);
  for (std::size_t k = first; k < end; ++k) {
    ExprNode& n = tree.nodes[k];
    if (n.kind == ExprNode::Kind::Value) {
      if (!append(n.value)) return false;
      continue;
    }
    refresh(n.ref);
    Variable* v = variableOf(n.ref);
    if (!v) return false;
    if (variableNumber(*v)) {
      if (!append(text::Decimal(v->number).view())) return false;
      continue;
    }
    const std::string& text = v->text();
    if ((!text.empty() && text[0] == '#') || !append(text)) return false;  // '#': perhaps special
  }
  return true;
}

}  // namespace qav::script
