// `qav`: the command-line tool of the player (dump, pack and play program files).
#include <cstdio>
#include <string>
#include <vector>

#include "app/qav/Command.h"

namespace qav::tool {
std::vector<Command>& commands() {
  static std::vector<Command> table;
  return table;
}
}  // namespace qav::tool

namespace {

void printHelp() {
  std::printf(
      "qav - tool of the QAV Maker player\n\n"
      "A QAV program file is the player program padded to 1,000,000 bytes, followed by the\n"
      "project's binary records. A data file is one record of class TDataQueue.\n\n"
      "Commands:\n");
  for (const auto& c : qav::tool::commands())
    std::printf("  %s\n      %s\n", c.usage.c_str(), c.summary.c_str());
  std::printf("\n  qav --help\n      this text\n");
  std::printf(
      "\n"
      "The JSON form of records (what qav pack reads and qav dump writes):\n"
      "  {\"records\": [{\"class\": \"TNewButton\", \"name\": \"Btn01Greet\", \"properties\": "
      "{...}},\n"
      "               ...]}\n"
      "  One object per record, in stream order: the settings record (TMainData) first, then\n"
      "  windows (TNewPanel) and items, each item naming its window in \"ParentName\". Scripts\n"
      "  call a window or item by its record name without the first five characters\n"
      "  (Btn01Greet is Greet); these names must all differ. Items show and take input only\n"
      "  with \"VisibleCheck\": true and \"EnabledCheck\": true.\n"
      "  Values: a number; true or false; a string (a text); an array of strings (lines, under\n"
      "  the name + \".Strings\", as a button's click script \"Ivent2.Strings\"); {\"ident\": "
      "...}\n"
      "  (a named value such as \"clBtnFace\"); {\"set\": [...]}; and where the exact stream\n"
      "  form matters {\"int8\"|\"int16\"|\"int32\": n}, {\"long\": \"...\"}, {\"extended\": x},\n"
      "  {\"binary\": \"BASE64\"}.\n"
      "  The settings' 1,159 \"Data_Backup.Strings\" lines may be given readably:\n"
      "    \"Data_Backup\": {\"options\": {\"5\": true}, \"registers\": {\"1\": \"...\"},\n"
      "                    \"system\": {\"1\": \"...\"},\n"
      "                    \"tables\": [{\"name\": \"회원\", \"fields\": [\"이름\", \"전화\"]}]}\n"
      "  qav new writes a project to start from; qav doc writes the reference of the script\n"
      "  statements, kinds of items and property words; docs/project.schema.json lets an\n"
      "  editor check the form.\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    printHelp();
    return args.empty() ? 2 : 0;
  }
  for (const auto& c : qav::tool::commands())
    if (c.name == args[0]) return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
  std::fprintf(stderr, "qav: unknown command \"%s\" (see qav --help)\n", args[0].c_str());
  return 2;
}
