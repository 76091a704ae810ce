// Splitting one line of the workbench's text forms: script commands and
// workbook files take words with double-quoted phrases ("" inside a quote is
// one quote); records take comma-separated values, quoted the same way.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::workbench {

// A line that cannot be split; the text says why.
class LineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// At least one word; LineError for a quote not closed or a carriage return
// inside the line (the trimmed line must not be empty).
std::vector<std::string> SplitWords(std::string_view line);
std::vector<std::string> SplitCsv(std::string_view line);
// The line without a trailing carriage return and surrounding blanks.
std::string_view Trimmed(std::string_view line);
bool EqualNoCase(std::string_view a, std::string_view b);

}  // namespace corvane::workbench
