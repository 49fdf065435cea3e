// Declarations, control flow and the common assignment: "선언", "정의", "비교", "반복",
// "반복끝", "위치", "이동", "이벤트실행", "종료".
#include "base/Text.h"
#include "items/Component.h"
#include "lang/Texts.h"
#include "lang/Vocabulary.h"
#include "script/Interpreter.h"
#include "script/StatementSupport.h"

namespace qav::script {

std::string variableRef(const Tokens& t, int n, int) {
  std::string ref = t[n];
  if (ref.find(':') == std::string::npos) ref.insert(0, ":");
  return ref;
}

namespace {

void declare(Interpreter& in) {
  const Tokens& t = in.tokens();
  for (int i = 2; i <= t.count(); ++i) {
    if (in.variables().declared(t[i])) {
      in.Error(msg::kAlreadyDeclared);
    } else if (!in.variables().declare(t[i])) {
      in.Error(msg::kTooManyVariables);
      return;
    }
  }
}

using Op = CompareOp;

std::optional<Op> comparison(std::string_view tok) {
  if (tok == "=") return Op::Eq;
  if (tok == "<>" || tok == "><") return Op::Ne;
  if (tok == ">") return Op::Gt;
  if (tok == "<") return Op::Lt;
  if (tok == ">=" || tok == "=>") return Op::Ge;
  if (tok == "<=" || tok == "=<") return Op::Le;
  return std::nullopt;
}

bool isConnector(std::string_view tok) {
  return tok == msg::kThen || tok == msg::kOr || tok == msg::kAnd;
}

// The operators and connectors of a condition depend on its words alone: once a line's whole
// condition has been read, they are kept with the line (three numbers a comparison: operator,
// place of its connector, connector) and the words are not read again.

void condition(Interpreter& in) {
  const Tokens& t = in.tokens();
  std::vector<int>& notes = in.lineNotes();
  const bool noted = !notes.empty();
  std::vector<int> found;
  Connector pending = Connector::Then;  // the connector before the next clause
  bool acc = false;
  int i = 2;
  for (std::size_t clause = 0;; clause += 3) {
    if (in.lineRef(i, variableRef, i).letter != 'S') return in.Error(msg::kCannotCompareType);
    std::optional<Op> op;
    if (noted)
      op = static_cast<Op>(notes[clause]);
    else if (!(op = comparison(t[i + 1])))
      return in.Error(msg::kBadOperator);
    bool magnitude = *op != Op::Eq && *op != Op::Ne;
    Value lv = in.lineValue(2 * kMaxTokens + i, variableRef, i);
    int32_t a = 0, b = 0;
    if (magnitude && !lv.asNumber(a)) return in.Error(msg::kMagnitudeNeedsNumber);
    int j = i + 2;
    if (noted)
      j = notes[clause + 1];
    else
      while (j <= t.count() && !isConnector(t[j])) ++j;
    Value rv = in.lineValue(
        3 * kMaxTokens + i,
        [](const Tokens& t, int from, int to) { return text::trimmed(t.join(from, to)); }, i + 2,
        j - 1);
    if (magnitude && !rv.asNumber(b)) return in.Error(msg::kMagnitudeNeedsNumber);

    bool result;
    if (magnitude || (lv.isNumber && rv.isNumber)) {
      // Two numbers are equal texts exactly when they are equal numbers.
      result = magnitude ? compareNumbers(*op, a, b) : compareNumbers(*op, lv.number, rv.number);
    } else {
      bool equal = text::trim(lv.asText()) == text::trim(rv.asText());
      result = *op == Op::Eq ? equal : !equal;
    }
    Connector conn;
    if (noted) {
      conn = static_cast<Connector>(notes[clause + 2]);
    } else {
      const std::string& word = t[j];
      if (!isConnector(word)) return in.Error(msg::kBadCondition);
      conn = word == msg::kOr    ? Connector::Or
             : word == msg::kAnd ? Connector::And
                                 : Connector::Then;
      found.insert(found.end(), {static_cast<int>(*op), j, static_cast<int>(conn)});
    }
    acc = joinClause(pending, acc, result);
    if (conn == Connector::Then) {
      if (!noted) notes = std::move(found);
      if (!in.pushCondition(acc)) return in.Error(msg::kTooManyBlocks);
      in.bindCondition(notes);
      return;
    }
    pending = conn;
    i = j + 1;
  }
}

void loop(Interpreter& in) {
  const Tokens& t = in.tokens();
  std::string start = in.tokenMaths(4);
  if (!IsNumber(start)) return in.Error(msg::kStartNotNumber);
  std::string target = in.tokenMaths(6);
  if (!IsNumber(target)) return in.Error(msg::kTargetNotNumber);
  std::string_view name = t[2];
  if (!name.empty() && name[0] == ':') name.remove_prefix(1);
  if (!in.variables().declared(name)) {
    std::string m(msg::kLoopVarPrefix);
    m += '"';
    m += name;
    m += '"';
    m += msg::kLoopVarSuffix;
    return in.Error(m);
  }
  int32_t s = TextToNumber(text::trim(start)), e = TextToNumber(text::trim(target));
  Interpreter::Loop entry{":" + std::string(name), in.CurrentLine(), e, s <= e ? 1 : -1};
  std::string ref = entry.ref;
  if (!in.pushLoop(std::move(entry))) return in.Error(msg::kTooManyLoops);
  PropertySet(in.host(), ref, start);
}

void endLoop(Interpreter& in) {
  Interpreter::Loop* top = in.topLoop();
  if (!top) return in.Error(msg::kNoOpenLoop);
  CachedRef& ref = in.lineRef(0, top->ref);
  const int32_t v = top->after(in.readNumber(ref, top->ref));
  in.writeNumber(ref, v);
  in.bindLoopEnd(ref);
  in.loopOn(v);
}

void label(Interpreter& in) {
  if (!in.setLabel(in.tokens()[2])) in.Error(msg::kTooManyLabels);
}

void jump(Interpreter& in) {
  auto line = in.labelLine(in.tokens()[2]);
  if (!line) return in.Error(msg::kNoLabel);
  in.jumpTo(*line);
}

void runEvent(Interpreter& in) {
  Component* c = in.host().FindControl(in.tokenMaths(2));
  if (!c) return in.Error(msg::kNoEventItem);
  if (in.chainedRuns() >= kMaxChainedRuns) {
    in.Error(msg::kTooManyEventRuns);
    in.requestAbort();
    return;
  }
  in.chainTo(*c);
}

void end(Interpreter&) {}  // the run loop ends the run after this line

}  // namespace

void assignTyped(Interpreter& in);  // Assign.cpp

namespace {

// "정의": a text into a text here, where no source word names a font, a picture, a list, a
// choice or a name; any other assignment in assignTyped.
void assign(Interpreter& in) {
  const Tokens& t = in.tokens();
  std::optional<bool> plain = in.lineFinding();
  if (!plain) {
    plain = true;
    for (int i = 4; *plain && i <= t.count(); ++i)
      plain = t[i].find(':') == std::string::npos || in.lineRef(i, tokenText, i).letter == 'S';
    in.keepLineFinding(*plain);
  }
  if (CachedRef& ref = in.lineRef(0, variableRef, 2);
      *plain && !in.AbortRequested() && ref.letter == 'S') {
    in.assignWords(ref, 4);
    in.bindAssign(ref, 4);
    return;
  }
  assignTyped(in);
}

}  // namespace

std::span<const StatementEntry> coreStatements() {
  static constexpr StatementEntry kTable[] = {
      {msg::kDeclare, declare}, {msg::kDefine, assign},     {msg::kIf, condition},
      {msg::kLoop, loop},       {msg::kEndLoop, endLoop},   {msg::kLabel, label},
      {msg::kGoto, jump},       {msg::kRunEvent, runEvent}, {msg::kEnd, end}};
  return kTable;
}

}  // namespace qav::script
