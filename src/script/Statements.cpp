// Declarations and control flow: "선언", "비교", "반복", "반복끝", "위치", "이동",
// "이벤트실행", "종료".
#include "base/Text.h"
#include "items/Component.h"
#include "lang/Texts.h"
#include "lang/Vocabulary.h"
#include "script/Interpreter.h"

namespace qav::script {
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

enum class Op { Eq, Ne, Gt, Lt, Ge, Le };

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

void condition(Interpreter& in) {
  const Tokens& t = in.tokens();
  enum class Pending { None, Or, And } pending = Pending::None;
  bool acc = false;
  int i = 2;
  for (;;) {
    std::string left = t[i];
    if (left.find(':') == std::string::npos) left.insert(0, ":");
    if (in.TypeCheck(left) != 'S') return in.Error(msg::kCannotCompareType);
    auto op = comparison(t[i + 1]);
    if (!op) return in.Error(msg::kBadOperator);
    bool magnitude = *op != Op::Eq && *op != Op::Ne;
    std::string lv = in.Maths(left);
    if (magnitude && !IsNumber(lv)) return in.Error(msg::kMagnitudeNeedsNumber);
    int j = i + 2;
    while (j <= t.count() && !isConnector(t[j])) ++j;
    std::string rv = in.Maths(text::trim(t.join(i + 2, j - 1)));
    if (magnitude && !IsNumber(rv)) return in.Error(msg::kMagnitudeNeedsNumber);

    bool result;
    if (!magnitude) {
      bool equal = text::trim(lv) == text::trim(rv);
      result = *op == Op::Eq ? equal : !equal;
    } else {
      int32_t a = TextToNumber(text::trim(lv)), b = TextToNumber(text::trim(rv));
      switch (*op) {
        case Op::Gt:
          result = a > b;
          break;
        case Op::Lt:
          result = a < b;
          break;
        case Op::Ge:
          result = a >= b;
          break;
        default:
          result = a <= b;
          break;
      }
    }
    const std::string& conn = t[j];
    if (!isConnector(conn)) return in.Error(msg::kBadCondition);
    if (pending == Pending::And)
      result = acc && result;
    else if (pending == Pending::Or)
      result = acc || result;
    acc = result;
    if (conn == msg::kOr) {
      pending = Pending::Or;
    } else if (conn == msg::kAnd) {
      pending = Pending::And;
    } else {
      if (!in.pushCondition(acc)) in.Error(msg::kTooManyBlocks);
      return;
    }
    i = j + 1;
  }
}

void loop(Interpreter& in) {
  const Tokens& t = in.tokens();
  std::string start = in.Maths(t[4]);
  if (!IsNumber(start)) return in.Error(msg::kStartNotNumber);
  std::string target = in.Maths(t[6]);
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
  int32_t v =
      static_cast<int32_t>(static_cast<uint32_t>(TextToNumber(Propertys(in.host(), top->ref))) +
                           static_cast<uint32_t>(top->step));
  PropertySet(in.host(), top->ref, text::decimal(v));
  bool finished = (top->step == -1 && v < top->target) || (top->step == 1 && v > top->target);
  if (finished)
    in.popLoop();
  else
    in.jumpTo(top->line);
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
  Component* c = in.host().FindControl(in.Maths(in.tokens()[2]));
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

void assign(Interpreter& in);  // Assign.cpp

void registerCoreStatements(Interpreter& in) {
  in.registerStatement(msg::kDeclare, declare);
  in.registerStatement(msg::kDefine, assign);
  in.registerStatement(msg::kIf, condition);
  in.registerStatement(msg::kLoop, loop);
  in.registerStatement(msg::kEndLoop, endLoop);
  in.registerStatement(msg::kLabel, label);
  in.registerStatement(msg::kGoto, jump);
  in.registerStatement(msg::kRunEvent, runEvent);
  in.registerStatement(msg::kEnd, end);
}

}  // namespace qav::script
