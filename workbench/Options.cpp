#include "workbench/Options.h"

namespace corvane::workbench {
namespace {

std::string ValueOf(const std::vector<std::string>& arguments, size_t& at) {
  if (at + 1 >= arguments.size() || arguments[at + 1].empty()) {
    throw OptionsError(arguments[at] + " needs a value");
  }
  return arguments[++at];
}

template <class T>
void SetOnce(std::optional<T>& option, T value, const std::string& flag) {
  if (option) throw OptionsError(flag + " is given twice");
  option = std::move(value);
}

}  // namespace

const char* Usage() {
  return "usage: corvane-workbench [--data DIR] [--workbook FILE] [--library FILE] [--script FILE | --tour]\n"
         "  --data DIR       the workbench's registry and Office data (default $XDG_DATA_HOME/corvane\n"
         "                   or ~/.local/share/corvane)\n"
         "  --workbook FILE  open the workbooks of FILE instead of the sample\n"
         "  --library FILE   the add-in library to register (default: the one built with the workbench)\n"
         "  --script FILE    run a script; without it a script is read from standard input when that\n"
         "                   is not a terminal, and on a terminal the workbench is interactive\n"
         "  --tour           run the tour of the toolbar's 23 buttons on the sample\n";
}

Options ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  for (size_t at = 0; at < arguments.size(); ++at) {
    const std::string& flag = arguments[at];
    if (flag == "--data") {
      SetOnce(options.data, std::filesystem::path(ValueOf(arguments, at)), flag);
    } else if (flag == "--workbook") {
      SetOnce(options.workbook, ValueOf(arguments, at), flag);
    } else if (flag == "--library") {
      SetOnce(options.library, ValueOf(arguments, at), flag);
    } else if (flag == "--script") {
      SetOnce(options.script, ValueOf(arguments, at), flag);
    } else if (flag == "--tour") {
      options.tour = true;
    } else if (flag == "--help" || flag == "-h") {
      options.help = true;
    } else {
      throw OptionsError("unknown argument \"" + flag + "\"");
    }
  }
  if (options.tour && options.script) throw OptionsError("--tour and --script exclude each other");
  return options;
}

}  // namespace corvane::workbench
