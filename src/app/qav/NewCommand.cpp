// `qav new`: writes the JSON form of a small complete project to start from: the settings
// record in its readable form, a main window with a label, an edit field and a button whose
// script greets with the field's text.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/qav/Command.h"
#include "app/qav/CompactJson.h"
#include "app/qav/Files.h"
#include "base/Cp949.h"
#include "base/Text.h"

namespace qav::tool {
namespace {

using Json = nlohmann::ordered_json;

constexpr Reporter kReport{"new", "qav new FILE.json [--title T]"};

// An item placed on the main window, shown and usable from the start (without VisibleCheck
// and EnabledCheck an item starts hidden and disabled).
Json item(const char* cls, const char* name, int left, int top, int width, int height, Json extra) {
  Json props = {{"Left", left},
                {"Top", top},
                {"Width", width},
                {"Height", height},
                {"ParentName", "Frm01Main"},
                {"EnabledCheck", true},
                {"VisibleCheck", true}};
  for (auto& [key, value] : extra.items()) props[key] = value;
  return Json{{"class", cls}, {"name", name}, {"properties", std::move(props)}};
}

Json project(const std::string& title, const std::string& dataFile) {
  Json settings = {{"class", "TMainData"},
                   {"name", "Main0Settings"},
                   {"properties",
                    {{"Pages_Name.Strings", Json::array({"Frm01Main"})},
                     {"Pages_Caption.Strings", Json::array({title})},
                     {"Data_Backup",
                      {{"options", Json::object()},
                       {"registers", Json::object()},
                       {"system", Json::object()},
                       {"tables", Json::array()}}},
                     {"ProgramName", title},
                     {"ProgramVer", "1.0"},
                     {"DataFile", dataFile}}}};
  Json window = {{"class", "TNewPanel"},
                 {"name", "Frm01Main"},
                 {"properties",
                  {{"Left", 200},
                   {"Top", 150},
                   {"Width", 340},
                   {"Height", 110},
                   {"Color", {{"ident", "clBtnFace"}}},
                   {"Font.Charset", {{"ident", "HANGEUL_CHARSET"}}},
                   {"Font.Height", -12},
                   {"Font.Name", "굴림"},
                   {"Title", title},
                   {"WindowState", 1},
                   {"SystemButton", true},
                   {"MinButton", true}}}};
  Json records = Json::array();
  records.push_back(std::move(settings));
  records.push_back(std::move(window));
  records.push_back(item("TNewLabel", "Lbl01Ask", 16, 20, 60, 17, {{"Caption", "이름:"}}));
  records.push_back(item("TNewEdit", "Edt01Name", 80, 16, 230, 25, {{"TabOrder", 0}}));
  records.push_back(
      item("TNewButton", "Btn01Greet", 80, 52, 100, 28,
           {{"Caption", "인사"},
            {"TabOrder", 1},
            {"Ivent2.Strings", Json::array({"메세지 안녕하세요, ~ #32 ~ Name:문자열 ~ 님!"})}}));
  return Json{{"records", std::move(records)}};
}

int makeNew(const std::vector<std::string>& args) {
  std::string path, title;
  bool titleGiven = false;
  Option titleOption = valueOption("--title", title, "--title needs a text");
  titleOption.given = &titleGiven;
  const std::string problem = readArguments(args, {std::move(titleOption)}, &path, "FILE.json");
  if (!problem.empty()) return kReport.usageError(problem);
  const std::filesystem::path file(path);
  const std::string stem = file.stem().string();
  if (!titleGiven) title = stem;
  if (title.empty()) return kReport.usageError("the title is empty; give one with --title");
  if (text::decodeCp949(text::encodeCp949(title)) != title)
    return kReport.failure("the title \"" + title +
                           "\" has a character without a code page 949 form");
  // The data file sits beside the program under a name the player accepts.
  std::string dataFile = stem.empty() ? "data" : stem;
  for (char& c : dataFile)
    if (c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) c = '_';
  dataFile += ".dat";
  if (text::decodeCp949(text::encodeCp949(dataFile)) != dataFile) dataFile = "data.dat";

  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0)
    return kReport.failure(path + " exists; qav new does not overwrite a file");
  std::string error;
  if (!writeWholeFile(path, compactJson(project(title, dataFile)), 0644, error))
    return kReport.failure(error);
  std::printf("Wrote %s. Make a program of it with: qav pack %s -o %s\n",
              text::printable(path).c_str(), text::printable(path).c_str(),
              text::printable((file.parent_path() / stem).string()).c_str());
  return 0;
}

const Registrar registrar(Command{
    kReport.name, kReport.usage,
    "Writes FILE.json, a small project to start from: the settings, a main window titled T\n"
    "      (default: the file's name) with a label, an edit field and a button whose script\n"
    "      greets with the field's text. It never overwrites a file.",
    makeNew});

}  // namespace
}  // namespace qav::tool
