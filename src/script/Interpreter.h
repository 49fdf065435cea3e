#pragma once
// The event-script interpreter: runs the lines of the hub's ScriptList one statement at a
// time. Program-wide state (tokens, variables, the data record) lives here; the per-run
// tables (open blocks, loops, labels, transfer buffers) are reset by every run.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Font.h"
#include "base/Picture.h"
#include "props/PropertyAccess.h"
#include "script/Expression.h"
#include "script/Tokenizer.h"
#include "stores/DataRecord.h"
#include "stores/VariableTable.h"

namespace qav {
class ItemModel;
class WindowModel;
class Component;
class DataQueue;
}  // namespace qav

namespace qav::script {

inline constexpr int kMaxBlocks = 100;
inline constexpr int kMaxLoops = 100;
inline constexpr int kMaxLabels = 100;
// Runs started by "이벤트실행" one after another within one event.
inline constexpr int kMaxChainedRuns = 100;
// Parentheses nest at most this deep in an expression; deeper gives "#Error". Chains of
// operators have no bound of their own.
inline constexpr int kMaxParenthesisNesting = 10000;
// The remainder operator reads a value that came from a reference through once more; such
// readings nest at most this deep (a value naming a value naming ...); deeper gives "#Error".
inline constexpr int kMaxRereadDepth = 400;
// Evaluation steps (operands and sub-expressions) one expression may take; more gives
// "#Error". The remainder operator's readings could otherwise take exponential time.
inline constexpr long kMaxExpressionSteps = 200000;
// A script that never ends must not freeze the player for good: after every this many lines
// of one event (skipped lines and started events included) the user is asked whether to go on.
inline constexpr long kLinesBeforeAsking = 10'000'000;
// ... and after this many milliseconds of one event's running (time spent waiting for the user
// in a dialog or a modal window not counted), so that slow lines cannot freeze it for long.
inline constexpr int64_t kMillisBeforeAsking = 10'000;
// Runs of quick lines see the clock every this many lines.
inline constexpr int kQuickLinesPerClockRead = 256;
// No text a script makes may be longer than this many bytes.
inline constexpr std::size_t kMaxTextBytes = std::size_t{64} << 20;

// A monotonic clock in milliseconds.
using MillisClock = std::function<int64_t()>;
int64_t steadyMillis();

// What the interpreter needs from the runtime hub.
class ScriptHost : public PropertyContext {
 public:
  virtual WindowModel& mainWindow() = 0;
  virtual std::vector<std::string>& ScriptList() = 0;
  virtual const std::string& EventSourceName() const = 0;
  virtual void setScriptRunning(bool running) = 0;
  // The event dispatch's steps before a run: picks the sender's script into ScriptList and
  // sets EventSourceName. False when the event is dropped.
  virtual bool SelectEvent(Component& sender) = 0;
  // The data tables and their file.
  virtual DataQueue& DataBox() = 0;
  virtual void loadData() = 0;
  // False with a reason when the data file cannot be written.
  virtual bool saveData(std::string& error) = 0;
  // Every component of the main window's list, in list order.
  virtual const std::vector<Component*>& componentList() const = 0;
};

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

class Interpreter;
using Statement = std::function<void(Interpreter&)>;

// The comparisons and connectors of "비교" conditions.
enum class CompareOp { Eq, Ne, Gt, Lt, Ge, Le };
enum class Connector { Then, Or, And };
// A clause's result joined to the clauses before it (acc) by the connector between them.
inline bool joinClause(Connector before, bool acc, bool result) {
  return before == Connector::And  ? acc && result
         : before == Connector::Or ? acc || result
                                   : result;
}
inline bool compareNumbers(CompareOp op, int32_t a, int32_t b) {
  switch (op) {
    case CompareOp::Eq:
      return a == b;
    case CompareOp::Ne:
      return a != b;
    case CompareOp::Gt:
      return a > b;
    case CompareOp::Lt:
      return a < b;
    case CompareOp::Ge:
      return a >= b;
    default:
      return a <= b;
  }
}

class Interpreter {
 public:
  explicit Interpreter(ScriptHost& host);

  // Runs ScriptList from its first line (with "이벤트실행" chaining into further runs).
  void IventRun();

  // Adds or replaces the statement of a keyword.
  void registerStatement(std::string_view keyword, Statement handler);
  // The keyword of every statement, in no particular order.
  std::vector<std::string> keywords() const {
    std::vector<std::string> out;
    for (const auto& entry : statements_) out.push_back(entry.first);
    return out;
  }

  // Evaluation and checks.
  std::string Maths(std::string_view expression);
  std::string Maths(ExprTree& tree);
  Value mathsValue(ExprTree& tree);
  // Maths of token n, and of the tokens from first on joined with one blank and trimmed: each
  // text is taken apart once for as long as the running line keeps its text.
  std::string tokenMaths(int n);
  std::string wordsMaths(int first);
  // Writes wordsMaths(first) where target names.
  void assignWords(CachedRef& target, int first);
  // Bound forms: the running line's statement, having done its work the general way, lets
  // later passes of the line in this run take a shortcut that gives the same result. Each is
  // checked again when it runs and leaves the line to its statement when it does not hold.
  // "정의 target = words" once assignWords(target, first) wrote it.
  void bindAssign(CachedRef& target, int first);
  // "비교" whose clauses (operator, connector place, connector per clause, as noted) compare
  // the trees under keys 2 * kMaxTokens + i and 3 * kMaxTokens + i.
  void bindCondition(const std::vector<int>& notes);
  // "반복끝" stepping the innermost loop through target.
  void bindLoopEnd(CachedRef& target);
  // Maths of a text that the running line's tokens alone make (make(tokens, a, b) gives it),
  // key telling it from the line's other such texts.
  using MakeText = std::string (*)(const Tokens&, int, int);
  std::string lineMaths(int key, MakeText make, int a, int b = 0);
  Value lineValue(int key, MakeText make, int a, int b = 0);
  // A reference of the running line under key, looked up for this run, for reading and
  // writing as Propertys and PropertySet do: a text that the line's tokens alone make, or any
  // text (which must outlive the use).
  CachedRef& lineRef(int key, MakeText make, int a) { return lineRef(key, {}, make, a); }
  CachedRef& lineRef(int key, std::string_view text) { return lineRef(key, text, nullptr, 0); }
  // Numbers the running line's statement keeps with the line for as long as its text stays
  // (what it read from the line's words alone); empty at first. Outside a run: a scratch list.
  std::vector<int>& lineNotes() {
    if (!current_) {
      scratchNotes_.clear();
      return scratchNotes_;
    }
    return current_->notes;
  }
  // A finding the running line's statement keeps for the rest of the run (what it worked out
  // from the run's lookups): empty until set in this run.
  std::optional<bool> lineFinding() const {
    if (current_ && current_->findingRun == run_) return current_->finding;
    return std::nullopt;
  }
  void keepLineFinding(bool finding) {
    if (!current_) return;
    current_->finding = finding;
    current_->findingRun = run_;
  }
  std::string read(CachedRef& ref, std::string_view text);
  void write(CachedRef& ref, std::string_view value);
  void write(CachedRef& ref, Value&& value);
  // The number a reference's text gives (TextToNumber), and writing a number's text.
  int32_t readNumber(CachedRef& ref, std::string_view text);
  void writeNumber(CachedRef& ref, int32_t value);
  char TypeCheck(std::string_view ref);
  bool ListCheck(std::string_view ref, std::string_view value);
  void CheckBox_GroupCheck(ItemModel& box);
  // The script error report; may set AbortRequested.
  void Error(std::string_view message);

  // State shared with statements and the property layer.
  ScriptHost& host() { return host_; }
  const Tokens& tokens() const { return *tokens_; }
  VariableTable& variables() { return variables_; }
  DataRecord& currentRecord() { return record_; }
  int CurrentLine() const { return currentLine_; }
  bool AbortRequested() const { return abort_; }
  void requestAbort() { abort_ = true; }
  // Ends the running script after the current line (as "종료").
  void endRun() { endRequested_ = true; }
  // Runs the sender's event in place of the current run once the current line ends.
  void chainTo(Component& sender) { chainTarget_ = &sender; }

  // Transfer buffers of the assignment statement.
  Font& fontBuffer() { return fontBuffer_; }
  std::optional<Picture>& imageBuffer() { return imageBuffer_; }
  std::vector<std::string>& listBuffer() { return listBuffer_; }

  // Open blocks, loops and labels of the run (statements use them).
  bool pushCondition(bool value);
  struct Loop {
    std::string ref;  // ":" + variable name
    int line = 0;
    int32_t target = 0;
    int32_t step = 1;
    unsigned id = 0;  // set by pushLoop: tells this loop from every other of the interpreter
    // The variable's value after v, wrapped to 32 bits.
    int32_t after(int32_t v) const {
      return static_cast<int32_t>(static_cast<uint32_t>(v) + static_cast<uint32_t>(step));
    }
  };
  bool pushLoop(Loop loop);
  Loop* topLoop() {
    return loopDepth_ > 0 ? &loops_[static_cast<std::size_t>(loopDepth_ - 1)] : nullptr;
  }
  void popLoop() {
    if (loopDepth_ > 0) --loopDepth_;
  }
  // The innermost loop once its variable holds v: ends past the target, else goes back to the
  // loop's head.
  void loopOn(int32_t v) {
    const Loop& top = *topLoop();
    if ((top.step == -1 && v < top.target) || (top.step == 1 && v > top.target))
      popLoop();
    else
      jumpTo(top.line);
  }
  void jumpTo(int line) { currentLine_ = line; }
  // Adds a label unless it exists; false when the table is full.
  bool setLabel(std::string_view label);
  std::optional<int> labelLine(std::string_view label) const;
  int chainedRuns() const { return chainedRuns_; }
  // Consulted before every line; false ends the run there. A host that plays untrusted
  // scripts in bulk (a test harness) bounds its work with it; the player sets none.
  void setLineGate(std::function<bool()> gate) { lineGate_ = std::move(gate); }
  // Told before every line that runs (not the lines a false block skips): the running event's
  // source name, the line's number in its script from 1, and the line as written. Front ends
  // print it for authors following a script.
  using TraceListener =
      std::function<void(const std::string& source, int line, const std::string& text)>;
  void setTrace(TraceListener trace) { trace_ = std::move(trace); }
  // How many lines an event runs between two questions whether to go on (at least 1).
  void setLinesBeforeAsking(long lines) { linesBeforeAsking_ = lines < 1 ? 1 : lines; }
  // The clock that times an event for the long-run question.
  void setClock(MillisClock clock) { clock_ = std::move(clock); }
  // Statements call this when the user has answered a dialog or closed a modal window: the
  // time the user took is no running time.
  void userAnswered() { askedAt_ = clock_(); }

 private:
  void resetRun();
  bool runOnce();  // false when the script list was empty
  struct CompiledLine;
  void execute(CompiledLine& c);
  void runStatement();     // the line's statement, with no bound form
  void statementFailed();  // in a handler: the failure of a statement reported
  // The line's entry made again when its text changed (or the entries were dropped), and
  // marked checked in this run.
  CompiledLine& compileLine(const std::string& line, std::size_t index);
  CachedRef& lineRef(int key, std::string_view text, MakeText make, int a);
  ExprTree* lineTree(int key, MakeText make, int a, int b = 0);
  // The running line's tree under key, or null when it has none yet.
  ExprTree* keptTree(int key) {
    for (auto& [k, tree] : current_->trees)
      if (k == key) return tree.get();
    return nullptr;
  }
  bool appendInPlace(ExprTree& tree, CachedRef& target);
  // The value of the one variable that a ":" name reference names; null for any other
  // reference, and when no variable or more than one has the name.
  Variable* variableOf(CachedRef& ref) {
    if (ref.component || !ref.parts.qualifier.empty() || !ref.parts.hasColon) return nullptr;
    VariableTable& variables = hostVariables_ ? *hostVariables_ : host_.variables();
    if (ref.names != variables.names()) {
      ref.variable = variables.only(ref.parts.name);
      ref.names = variables.names();
    }
    return ref.variable;
  }
  // Whether the variable holds a plain number (in v.number), worked out once per write.
  static bool variableNumber(Variable& v) {
    if (v.numberState == Variable::Number::Unknown)
      v.numberState =
          plainNumber(v.text(), v.number) ? Variable::Number::Yes : Variable::Number::No;
    return v.numberState == Variable::Number::Yes || v.numberState == Variable::Number::Only;
  }
  VariableTable* hostVariables_ = nullptr;  // the host's table, found at the start of a run
  std::vector<Value> scratchValues_;
  // Looks the reference's qualifier up unless it was in this run.
  void refresh(CachedRef& ref) {
    if (ref.run != run_) lookUp(ref);
  }
  void lookUp(CachedRef& ref);
  // GetItemProperty of an item read (ref.itemRead) into result.
  static void readItem(const CachedRef& ref, std::string& result);
  // A chain still open during an evaluation, with the values of its operands so far.
  struct Open {
    std::size_t node = 0;
    std::vector<Value> values;
    std::vector<std::size_t> pieces;  // fold's run of "~" operands, by their place in values
    int parentheses = 0;
  };
  // The special operands, by the text an operand is or reads as; false for any other text.
  bool special(std::string_view v, std::string& out) {
    return !v.empty() && v[0] == '#' && specialWord(v, out);  // every such text starts so
  }
  bool specialWord(std::string_view v, std::string& out);
  // Runs the tree's program; false when a variable holds no plain number or a division is
  // by zero.
  bool runProgram(ExprTree& tree, int32_t& result) {
    if (tree.steps.size() != 1) return runSteps(tree, result);
    const ProgramStep& step = tree.steps[0];  // a number or a variable, done in place
    if (step.kind != ProgramStep::Kind::Variable) {
      result = step.number;
      return true;
    }
    return variableNumber(tree.nodes[step.node].ref, result);
  }
  bool runSteps(ExprTree& tree, int32_t& result);
  std::vector<int32_t> stack_;  // runSteps'
  // Runs the tree's joined text into out; false when the general way must work it out.
  bool runJoin(ExprTree& tree, std::string& out);
  // The plain number in the variable that a ":" name reference names; false when it names
  // none or the variable holds no plain number.
  bool variableNumber(CachedRef& ref, int32_t& result) {
    refresh(ref);
    Variable* v = variableOf(ref);
    if (!v || !variableNumber(*v)) return false;
    result = v->number;
    return true;
  }
  std::vector<int> scratchNotes_;
  Value evaluate(std::string_view e, int depth);
  Value evaluate(ExprTree& tree, int depth);
  // Counts the step of reaching a node and gives its value; false for a chain.
  bool visit(ExprTree& tree, std::size_t node, Value& value);
  void shape(ExprTree& tree, std::size_t node);
  Value fold(const Chain& chain, Open& open, int depth);
  // The tree of a text that no line keeps.
  ExprTree scratch_;
  std::vector<std::size_t> splitAt_;  // operator positions while shaping
  // The open chains of every evaluation under way, kept with their storage from one
  // evaluation to the next: an evaluation takes the entries above those of the evaluations it
  // runs within (each entry on its own, so it stays put while nested ones are added).
  std::vector<std::unique_ptr<Open>> opens_;
  std::size_t opensUsed_ = 0;
  void combine(char op, Value& l, Value& r, std::string_view left, std::string_view right,
               int depth);
  // The remainder operator's second reading of an operand's value.
  void reread(Value& v, std::string_view operand, int depth);
  // Counts a line of the event; false when the user chose to end a long run there. The clock
  // is read after every line that may take long, and after every kQuickLinesPerClockRead
  // quick ones (skipped lines, declarations, flow and assignment), which take microseconds.
  bool lineDone(bool quick) {
    if (++linesRun_ < linesBeforeAsking_ && quick && ++quickLines_ < kQuickLinesPerClockRead)
      return true;
    return lineDoneSlow();
  }
  bool lineDoneSlow();  // lineDone's clock reading and question
  int quickLines_ = 0;
  // The keywords whose statements are quick: the built-in core ones not replaced since.
  std::vector<std::string> quickKeywords_;

  ScriptHost& host_;
  // Each line of the running script cut into tokens with its statement found, kept for the
  // next time the line runs: an entry is made again when the text at its place differs (an
  // assignment can rewrite a running script, and every event brings its own), and all are
  // dropped (before the next line) when a statement is registered. Entries change only
  // between lines. The lines of a run stay as they were when it started (the dispatch gives
  // each run its own copy of the script), so an entry's text is compared once per run.
  enum class Flow : unsigned char { Other, If, Else, EndIf, End };
  struct LineRef {
    int key = 0;
    std::string text;
    CachedRef ref;
  };
  struct CompiledLine {
    std::string text;
    Tokens tokens;
    const Statement* statement = nullptr;   // null: no keyword, the line is a comment
    void (*plain)(Interpreter&) = nullptr;  // the statement, when it is a plain function
    Flow flow = Flow::Other;
    bool made = false;
    bool quick = true;     // see lineDone
    unsigned checked = 0;  // the run in which text was last found equal to the line
    std::vector<int> notes;
    unsigned findingRun = 0;  // the run of finding
    bool finding = false;
    // The line's expressions and references as its statement first asked for them.
    std::vector<std::pair<int, std::unique_ptr<ExprTree>>> trees;
    std::vector<std::unique_ptr<LineRef>> refs;
    // The bound form (see bindAssign) and what it works on, which the line owns: it holds in
    // the run boundRun only, as the lookups it relies on do.
    bool (*bound)(Interpreter&, CompiledLine&) = nullptr;
    unsigned boundRun = 0;
    CachedRef* target = nullptr;
    ExprTree* tree = nullptr;
    unsigned loopId = 0;
    struct Clause {
      ExprTree* left;
      ExprTree* right;
      int op;
      int connector;
    };
    std::vector<Clause> clauses;
  };
  static bool assignNumber(Interpreter& in, CompiledLine& c);
  static bool assignItemRead(Interpreter& in, CompiledLine& c);
  static bool conditionNumbers(Interpreter& in, CompiledLine& c);
  static bool stepLoop(Interpreter& in, CompiledLine& c);
  void bind(bool (*form)(Interpreter&, CompiledLine&)) {
    current_->bound = form;
    current_->boundRun = run_;
  }
  unsigned loopIds_ = 0;
  std::string readText_;  // assignItemRead's
  std::vector<CompiledLine> compiled_;
  CompiledLine* current_ = nullptr;  // the running line's entry
  unsigned run_ = 1;                 // counts runs: a reference's lookups hold for one
  CachedRef scratchRef_;             // outside a run
  std::string scratchText_;
  const Tokens noTokens_;
  const Tokens* tokens_ = &noTokens_;
  const Statement* statement_ = nullptr;
  bool compiledStale_ = false;
  VariableTable variables_;
  DataRecord record_;
  int currentLine_ = 0;
  bool abort_ = false;
  bool endRequested_ = false;
  Component* chainTarget_ = nullptr;
  int chainedRuns_ = 0;
  bool depthExceeded_ = false;  // the depth or the step bound was passed
  long steps_ = 0;
  std::function<bool()> lineGate_;
  TraceListener trace_;
  long linesBeforeAsking_ = kLinesBeforeAsking;
  long linesRun_ = 0;
  MillisClock clock_ = steadyMillis;
  int64_t askedAt_ = 0;

  std::array<bool, kMaxBlocks> conditions_{};
  int conditionDepth_ = 0;
  // Blocks opened by "비교" lines inside a skipped region: their "비교가틀리면" and "비교끝"
  // act on them, not on the block that is being skipped.
  int skippedBlocks_ = 0;
  std::array<Loop, kMaxLoops> loops_;
  int loopDepth_ = 0;
  struct Label {
    std::string text;
    int line = 0;
  };
  std::array<Label, kMaxLabels> labels_;
  int labelCount_ = 0;

  Font fontBuffer_;
  std::optional<Picture> imageBuffer_;
  std::vector<std::string> listBuffer_;

  std::unordered_map<std::string, Statement, StringHash, std::equal_to<>> statements_;
};

// Token n of t, and the tokens from first on joined and trimmed (MakeTexts).
std::string tokenText(const Tokens& t, int n, int = 0);
std::string wordsText(const Tokens& t, int first, int = 0);

// A keyword and its statement.
struct StatementEntry {
  std::string_view keyword;
  void (*run)(Interpreter&);
};
// The control-flow, declaration and assignment statements.
std::span<const StatementEntry> coreStatements();
// Dialogs, windows and sound.
std::span<const StatementEntry> dialogStatements();
// The lines of memos, list and combo boxes, and the selected entry of lists and pages.
std::span<const StatementEntry> listStatements();
// Data tables.
std::span<const StatementEntry> dataStatements();

}  // namespace qav::script
