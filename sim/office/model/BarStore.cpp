#include "sim/office/model/BarStore.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/SimDataError.h"
#include "sim/office/model/TextRecord.h"

namespace corvane::sim::office {

namespace {

constexpr const char* kHeader = "corvane-sim-commandbars 1";
constexpr const char* kFileName = "commandbars.txt";
const std::vector<std::string> kBarPairs{"builtIn", "type"};
const std::vector<std::string> kControlPairs{"type", "id", "builtIn", "faceSource", "faceBitmap", "faceMask"};
// Menus nested deeper than Office's own are refused before the recursion
// could exhaust the stack.
constexpr int kMostMenuDepth = 64;

std::u16string HexOf(const std::vector<uint8_t>& bytes) {
  static const char16_t* digits = u"0123456789ABCDEF";
  std::u16string hex;
  for (uint8_t b : bytes) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return hex;
}

std::vector<uint8_t> BytesOf(const std::u16string& hex) {
  if (hex.size() % 2) throw SimDataError("a face bitmap has an odd number of digits");
  auto digit = [](char16_t c) -> int {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    throw SimDataError("a face bitmap holds a character that is no hex digit");
  };
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(digit(hex[i]) * 16 + digit(hex[i + 1])));
  return bytes;
}

// Writing ------------------------------------------------------------------

void WriteBarBody(std::ostream& out, const Bar& bar);

void WriteControl(std::ostream& out, const Control& control) {
  TextRecord record{"control", {}};
  record.Add("type", control.type());
  record.Add("id", control.id());
  record.Add("builtIn", control.builtIn());
  record.Add("faceSource", static_cast<int32_t>(control.face().source));
  record.Add("faceBitmap", HexOf(control.face().bitmap));
  record.Add("faceMask", control.face().hasMask);
  record.AddFields(control.props(), ControlFields());
  out << record.Format() << '\n';
  for (const auto& item : control.items()) {
    TextRecord line{"item", {}};
    line.Add("text", item);
    out << line.Format() << '\n';
  }
  if (control.subBar()) {
    TextRecord menu{"menu", {}};
    menu.AddFields(control.subBar()->props(), BarFields());
    out << menu.Format() << '\n';
    WriteBarBody(out, *control.subBar());
  }
}

void WriteBarBody(std::ostream& out, const Bar& bar) {
  for (const auto& control : bar.Entries()) {
    if (!control->temporary()) WriteControl(out, *control);
  }
  out << "end\n";
}

void WriteBar(std::ostream& out, const Bar& bar) {
  TextRecord record{"bar", {}};
  record.Add("builtIn", bar.builtIn());
  record.Add("type", bar.type());
  record.AddFields(bar.props(), BarFields());
  out << record.Format() << '\n';
  WriteBarBody(out, bar);
}

// Reading ------------------------------------------------------------------

class Reader {
 public:
  explicit Reader(std::istream& in) : in_(in) {}

  std::vector<std::shared_ptr<Bar>> ReadAll() {
    std::string line;
    if (!Next(line) || line != kHeader) throw SimDataError("the first line is not \"" + std::string(kHeader) + "\"");
    std::vector<std::shared_ptr<Bar>> bars;
    while (Next(line)) bars.push_back(ReadBar(Expect(line, "bar")));
    return bars;
  }
  int lineNumber() const { return lineNumber_; }

 private:
  bool Next(std::string& line) {
    while (std::getline(in_, line)) {
      ++lineNumber_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line[0] != '#') return true;
    }
    return false;
  }
  TextRecord Expect(const std::string& line, const std::string& keyword) {
    auto record = TextRecord::Parse(line);
    if (record.keyword != keyword) throw SimDataError("expected a " + keyword + " line, found " + record.keyword);
    return record;
  }
  std::shared_ptr<Bar> ReadBar(const TextRecord& record) {
    BarProperties props;
    record.ReadFields(props, BarFields(), kBarPairs);
    auto bar = std::make_shared<Bar>(props, record.Integer("type"), record.Boolean("builtIn"), false);
    ReadBody(*bar, 0);
    return bar;
  }
  void ReadBody(Bar& bar, int depth) {
    std::string line;
    std::shared_ptr<Control> last;
    while (Next(line)) {
      auto record = TextRecord::Parse(line);
      if (record.keyword == "end") return;
      if (record.keyword == "control") {
        last = ReadControl(record);
        bar.Insert(last, 0);
      } else if (record.keyword == "item" && last) {
        record.CheckNames({"text"});
        last->items().push_back(record.Text("text"));
      } else if (record.keyword == "menu" && last && last->subBar()) {
        if (depth == kMostMenuDepth) {
          throw SimDataError("menus nest more than " + std::to_string(kMostMenuDepth) + " deep");
        }
        record.ReadFields(last->subBar()->props(), BarFields(), {});
        ReadBody(*last->subBar(), depth + 1);
      } else {
        throw SimDataError("unexpected " + record.keyword + " line");
      }
    }
    throw SimDataError("the file ends inside a bar (an \"end\" line is missing)");
  }
  std::shared_ptr<Control> ReadControl(const TextRecord& record) {
    const int32_t type = record.Integer("type");
    if (!IsKnownControlType(type)) throw SimDataError("unknown control type " + std::to_string(type));
    auto control = std::make_shared<Control>(type, record.Integer("id"), record.Boolean("builtIn"), false);
    record.ReadFields(control->props(), ControlFields(), kControlPairs);
    const int32_t source = record.Integer("faceSource");
    if (source < 0 || source > static_cast<int32_t>(ButtonFace::Source::kPicture)) {
      throw SimDataError("unknown face source " + std::to_string(source));
    }
    control->face().source = static_cast<ButtonFace::Source>(source);
    control->face().bitmap = BytesOf(record.Text("faceBitmap"));
    control->face().hasMask = record.Boolean("faceMask");
    return control;
  }

  std::istream& in_;
  int lineNumber_ = 0;
};

}  // namespace

std::optional<BarStore> BarStore::FromEnvironment() {
  const char* dir = std::getenv("CORVANE_SIM_DATA");
  if (!dir || !*dir) return std::nullopt;
  return BarStore(std::filesystem::path(dir) / kFileName);
}

CommandBarSet BarStore::Load() const {
  std::error_code error;
  if (!std::filesystem::exists(file_, error)) return CommandBarSet();
  std::ifstream in(file_, std::ios::binary);
  if (!in) throw SimDataError(file_.string() + ": cannot be read");
  Reader reader(in);
  try {
    return CommandBarSet(reader.ReadAll());
  } catch (const SimDataError& damage) {
    throw SimDataError(file_.string() + ":" + std::to_string(reader.lineNumber()) + ": " + damage.what());
  }
}

void BarStore::Save(const CommandBarSet& bars) const {
  std::ostringstream out;
  out << kHeader << '\n';
  for (const auto& bar : bars.Bars()) {
    if (!bar->temporary()) WriteBar(out, *bar);
  }
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  auto fresh = file_;
  fresh += ".new";
  {
    std::ofstream file(fresh, std::ios::binary | std::ios::trunc);
    file << out.str();
    if (!file.flush()) throw SimDataError(fresh.string() + ": cannot be written");
  }
  std::filesystem::rename(fresh, file_, error);
  if (error) throw SimDataError(file_.string() + ": cannot be replaced: " + error.message());
}

}  // namespace corvane::sim::office
