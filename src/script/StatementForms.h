#pragma once
// How each statement and operand of the script language is written, what it does, which
// registers it fills and which script errors it reports: the table that application authors'
// references are made from. Keywords and messages are the interpreter's own texts.
#include <string>
#include <string_view>
#include <vector>

namespace qav::script {

struct StatementForm {
  std::string_view keyword;
  std::string_view operands;  // what follows the keyword; empty for none
  std::string_view example;   // a whole line as a script writes it
  std::string_view meaning;
  std::vector<int> registers;         // registers the statement writes
  std::vector<std::string> messages;  // script errors it may report
};

// Every statement, in the order an author meets them: declarations and flow, dialogs and
// windows, lines of lists, data tables.
const std::vector<StatementForm>& statementForms();

// Script errors that any statement may report.
const std::vector<std::string>& generalMessages();

struct OperandForm {
  std::string form;  // as written in a script
  std::string_view meaning;
};

// References, special operands and operators of expressions and conditions.
const std::vector<OperandForm>& operandForms();

}  // namespace qav::script
