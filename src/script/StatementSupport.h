#pragma once
// Operand helpers shared by the statement groups: the item a token names, the words of a
// line from a token on, and writing a register the way scripts do.
#include <string>
#include <string_view>

#include "base/Text.h"
#include "lang/Texts.h"
#include "props/PropertyAccess.h"
#include "script/Interpreter.h"

namespace qav::script {

// The component named by token n, evaluated; null when there is none.
inline Component* itemOperand(Interpreter& in, int n) {
  return in.host().FindControl(in.tokenMaths(n));
}

// Tokens first to the last, joined with one blank, trimmed and evaluated.
inline std::string wordsFrom(Interpreter& in, int first) {
  return in.wordsMaths(first);
}

// Token n as a reference: a bare word names a variable.
std::string variableRef(const Tokens& t, int n, int = 0);

// Writes register n through the property layer ("*레지스터:n").
inline void setRegister(Interpreter& in, int n, std::string_view value) {
  std::string ref(msg::kRegisterWriteQualifier);
  ref += ':';
  ref += text::decimal(n);
  PropertySet(in.host(), ref, value);
}

}  // namespace qav::script
