#pragma once
// Expressions taken apart once. A text becomes a tree: chains (operands under one group of
// operators) and single operands. Each part is shaped the first time an evaluation reaches
// it and kept for the next evaluation, so a line that runs again evaluates without splitting
// its texts again. A reference operand keeps the lookups of its qualifier for one run.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"
#include "props/Reference.h"
#include "script/Tokenizer.h"
#include "stores/VariableTable.h"

namespace qav {
class Component;
class PropertyTable;
}  // namespace qav

namespace qav::script {

// A reference with the component its qualifier names and its TypeLetter, both as they were in
// run number `run` (components do not change while a script runs).
struct CachedRef {
  Reference parts;
  unsigned run = 0;  // 0: not looked up yet
  Component* component = nullptr;
  char letter = 'S';
  // The reference reads an item's own property table and nothing else: the qualifier names an
  // item with a table, is none of the three reserved namespaces, and the name is not "이름".
  bool itemRead = false;
  // ... and when the item's table alone answers, that table and the name's first row in it.
  const PropertyTable* table = nullptr;
  int row = -1;
  // A script variable's value, as found while the variable names were numbered `names`.
  unsigned names = 0;
  Variable* variable = nullptr;
};

// A text split at the operators of one group. "+" and "-" (additive) fold from the left;
// "*", "/", "%" and "~" from the right, rests[k] being the text after ops[k].
struct Chain {
  bool additive = false;
  bool parenthesised = false;  // one pair of outer parentheses was removed
  std::vector<std::string_view> operands;
  std::vector<char> ops;  // ops[k] stands between operands k and k + 1
  std::vector<std::string_view> rests;
};

// A value while an expression is worked out: a text, or a 32-bit number whose text (its plain
// decimal form) is made only when something reads the value as text. A number is only ever
// held as one when that decimal form is exactly the text it stands for.
struct Value {
  std::string text;  // not kept up to date while isNumber
  int32_t number = 0;
  bool isNumber = false;

  void setNumber(int32_t n) {
    number = n;
    isNumber = true;
  }
  void setText(std::string_view t) {
    text.assign(t);
    isNumber = false;
  }
  void setText(std::string&& t) {
    text = std::move(t);
    isNumber = false;
  }
  std::string& asText() {
    if (isNumber) {
      text.assign(text::Decimal(number).view());
      isNumber = false;
    }
    return text;
  }
  // Whether the value reads as a number (IsNumber of its text), and which.
  bool asNumber(int32_t& n) const {
    if (isNumber) {
      n = number;
      return true;
    }
    return IsNumber(text, &n);
  }
};

// Whether the text is exactly the plain decimal form of a 32-bit number (no blanks around).
inline bool plainNumber(std::string_view s, int32_t& n) {
  return !s.empty() && static_cast<unsigned char>(s.front()) > 32 &&
         static_cast<unsigned char>(s.back()) > 32 && IsNumber(s, &n);
}

// Whether a text evaluates to itself whatever the run: a word without references, operators,
// parentheses, special operands or blanks.
inline bool literalWord(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (static_cast<unsigned char>(c) <= 32 ||
        std::string_view(":#()+-*/%~").find(c) != std::string_view::npos)
      return false;
  return true;
}

struct ExprNode {
  enum class Kind : unsigned char { Unshaped, Value, Clock, Reference, Chain };
  std::string_view text;
  std::string_view operand;  // a single operand: the text without its outer parentheses
  Kind kind = Kind::Unshaped;
  std::string value;   // Value: the result, whatever the run
  int32_t number = 0;  // ... and the number it is, when plainNumber(value)
  bool isNumber = false;
  CachedRef ref;  // Reference: read at each evaluation
  Chain chain;
  std::size_t firstChild = 0;  // Chain: the nodes of its operands, in order, from here
};

// A tree of whole-number arithmetic as a program for a stack of numbers: the operands in order,
// each operator after its two operands (OperatorNumber: an operator and the number it takes on
// its right, which was a step of its own).
struct ProgramStep {
  enum class Kind : unsigned char { Number, Variable, Operator, OperatorNumber };
  Kind kind = Kind::Number;
  char op = 0;
  int32_t number = 0;
  std::size_t node = 0;  // Variable: the node of its reference
};

// The nodes of one text; node 0 is the whole text. A tree kept for a line owns its text.
struct ExprTree {
  std::string source;
  std::vector<ExprNode> nodes;
  std::size_t used = 0;  // nodes beyond are storage kept for the next text
  // A tree evaluated once has every node shaped; at its next evaluation it is made into a
  // program when every operand is a plain number or a ":" variable and every operator is
  // arithmetic. Evaluations run the program while its variables hold plain numbers and no
  // division is by zero; anything else takes the general way, which gives the same value.
  // A tree that is one literal text, or a chain of "~" whose operands are literals and ":"
  // variables, is a joined text's program instead (Joined): its operands' texts appended in
  // order, while its variables hold no text that reads as a special operand.
  enum class Program : unsigned char { Unknown, Shaped, Made, Joined, None };
  Program program = Program::Unknown;
  std::vector<ProgramStep> steps;

  void reset(std::string_view text) {
    used = 0;
    nodes[add(1)].text = text;
    program = Program::Unknown;
  }
  // Appends n unshaped nodes; the index of the first.
  std::size_t add(std::size_t n) {
    if (nodes.size() < used + n) nodes.resize(used + n);
    for (std::size_t i = used; i < used + n; ++i) nodes[i].kind = ExprNode::Kind::Unshaped;
    used += n;
    return used - n;
  }
};

// Makes the program of a shaped tree (Made or Joined), or finds that it has none (None).
void makeProgram(ExprTree& tree);
// Whether a shaped tree is a joined text's program.
bool joinable(const ExprTree& tree);

// l op r for the arithmetic operators, wrapped to 32 bits; false for a division by zero.
inline bool arithmetic(char op, int32_t l, int32_t r, int32_t& out) {
  const int64_t a = l, b = r;
  int64_t v = 0;
  switch (op) {
    case '+':
      v = a + b;
      break;
    case '-':
      v = a - b;
      break;
    case '*':
      v = static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
      break;
    default:  // "/" and "%": in 32 bits (the quicker division) but for -1, which may wrap
      if (r == 0) return false;
      if (r == -1) {
        v = op == '/' ? -a : 0;
        break;
      }
      out = op == '/' ? l / r : l % r;
      return true;
  }
  out = static_cast<int32_t>(static_cast<uint32_t>(v));
  return true;
}

}  // namespace qav::script
