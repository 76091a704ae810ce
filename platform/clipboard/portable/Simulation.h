// Controls of the portable clipboard for the simulated machine and the
// native tests: another program can hold it, and its contents can be read
// without opening it.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/com/com.h"

namespace corvane::clipboard {

struct ClipboardEntry {
  UINT format;
  std::vector<BYTE> bytes;  // memory formats
  HANDLE handle;            // the data as handed over
};

// While held, Open fails for everyone in this process.
void HoldByAnotherProgram(bool held);
// While refused, data of that format is not taken (SetData fails), as when
// the system runs short of memory.
void RefuseFormat(UINT format, bool refused);
// Open calls that failed since the last reset.
int FailedOpens();
// The formats and data, in the clipboard's order.
std::vector<ClipboardEntry> Contents();
// Back to an empty, closed, free clipboard that takes every format.
void ResetClipboard();

// Memory blocks allocated and not yet freed (the clipboard's included).
size_t LiveBlockCount();

}  // namespace corvane::clipboard
