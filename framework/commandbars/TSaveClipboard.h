// The clipboard's memory-backed contents kept aside while a button face
// travels through the clipboard, and put back afterwards.
#pragma once

#include <string>
#include <vector>

#include "platform/clipboard/MemoryBlock.h"

namespace corvane::framework {

class TSaveClipboard {
 public:
  TSaveClipboard() = default;
  TSaveClipboard(const TSaveClipboard&) = delete;
  TSaveClipboard& operator=(const TSaveClipboard&) = delete;

  // Copies every memory-backed format (bitmaps and metafiles are handles,
  // not memory, and are skipped). Nothing when the clipboard cannot be had.
  void SaveClipboard();
  // Empties the clipboard and hands the copies back, then forgets them. A
  // copy the clipboard refuses is freed here, the clipboard never having
  // owned it. Nothing when nothing was saved or the clipboard cannot be had.
  void RestoreClipboard();
  std::size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    std::u16string format;  // the format number as decimal text
    clipboard::MemoryBlock block;
  };
  std::vector<Entry> entries_;
};

}  // namespace corvane::framework
