#pragma once
// The checks a load makes on a project's records before it builds anything from them: the
// start window named by the settings, and every name the load gives (records under their
// stream names, windows, their event holders, placed items, run-time objects and page tabs)
// against the naming rule and the one namespace of the main window. The loader runs them as
// it reads; the authoring tools run the same ones (checkRecords), so a project that passes
// them loads as far as names go.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "stream/LoadError.h"
#include "stream/Record.h"

namespace qav {

// A malformed record as the user is told of it: the record by its stream name and class, and
// what is wrong with it in the author's terms (which property, what kind of value it takes);
// the English line with the byte offset stays the tools' text.
LoadError loadFailure(const StreamError& e);

// Names the main window's own parts hold in the one namespace: its menu entries, the data
// store and the property schema tables. No component may take them.
const std::vector<std::string>& reservedNames();

class LoadCheck {
 public:
  LoadCheck();

  // A record as it is read in the first pass, the settings record first (it must be one, and
  // name the start window in line 1 of Pages_Name). Its stream name must be an identifier; a window
  // record's run-time name is listed at once, as the loader makes the window; any other record is
  // kept for finish(). Throws LoadError.
  void record(const Record& record);
  // The names the second pass gives, in its order: every record but the windows under its
  // stream name, then the names of what is placed from it. Throws LoadError.
  void finish();

  // The whole check over a project's records, the settings record first.
  static void checkRecords(const std::vector<Record>& records);

 private:
  struct Item {
    std::string className, name, parent;
    std::size_t tabs = 0;
  };
  // Whether the name can be listed; when not, the load stops naming the record (unless
  // quiet, for the items that keep their stream name instead).
  bool allowed(const std::string& name, const Item& record, bool quiet = false) const;
  // A name must be an identifier (so never empty); else the load stops naming the record.
  static void identifier(const std::string& name, const Item& record);
  // Lists a name given by the record; a name that cannot be listed stops the load.
  void take(const std::string& name, const Item& record);

  std::string startWindow_;  // run-time name of the start window
  bool haveSettings_ = false;
  std::vector<std::string> windows_;  // run-time names of the plain windows
  std::vector<Item> items_;
  // Upper-cased name -> the stream name of the record that gave it.
  std::unordered_map<std::string, std::string> taken_;
};

}  // namespace qav
