#pragma once
// The statement groups beyond control flow and assignment, each registered with the
// interpreter by its own function.
namespace qav {
class TMain;
}  // namespace qav

namespace qav::script {

class Interpreter;

// "입력", "메세지", "메세지버튼", "창보이기", "창감추기", "작동".
void registerDialogStatements(Interpreter& in);
// "문자열모두삭제", "문자열추가", "문자열삭제", "문자열검색", "문자열줄수", "현재아이템".
void registerListStatements(Interpreter& in);
// The data-table statements; they keep the hub to reach its row store and data file.
void registerDataStatements(Interpreter& in, TMain& hub);

// Every group above.
inline void registerStatementGroups(Interpreter& in, TMain& hub) {
  registerDialogStatements(in);
  registerListStatements(in);
  registerDataStatements(in, hub);
}

}  // namespace qav::script
