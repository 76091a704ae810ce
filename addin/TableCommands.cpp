#include "addin/TableCommands.h"

#include <algorithm>
#include <iterator>

#include "addin/CommandTags.h"
#include "addin/Messages.h"

namespace corvane::addin {
namespace {

void ClearFormat(const ClickContext& c) {
  if (!ConfirmClearFormat()) return;
  c.table.TableRange1().ClearFormats();
  c.table.Update();
}

struct TableCommand {
  int tag;
  void (*run)(const ClickContext&);
};

const TableCommand kCommands[] = {
    {tags::kBestColumnFit,
     [](const ClickContext& c) {
       c.table.TableRange2().Columns().AutoFit();
       c.table.Update();
     }},
    {tags::kBestRowFit,
     [](const ClickContext& c) {
       c.table.TableRange2().Rows().AutoFit();
       c.table.Update();
     }},
    {tags::kUpdate, [](const ClickContext& c) { c.table.Update(); }},
    {tags::kClearFormat, ClearFormat},
};

}  // namespace

bool RunTableCommand(const ClickContext& context, int tag) {
  const auto command =
      std::find_if(std::begin(kCommands), std::end(kCommands), [tag](const TableCommand& t) { return t.tag == tag; });
  if (command == std::end(kCommands)) return false;
  command->run(context);
  return true;
}

}  // namespace corvane::addin
