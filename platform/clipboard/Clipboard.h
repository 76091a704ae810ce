// The system clipboard. Open and Close pair up; while this thread has it
// open it can empty it, list its formats and read and replace its data.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/clipboard/MemoryBlock.h"
#include "platform/com/com.h"

namespace corvane::clipboard {

// False while another program (or another thread) has the clipboard open.
bool Open(HWND owner = nullptr);
// False when this thread did not have it open.
bool Close();
// Removes every format, freeing their data; false when not open.
bool Empty();
// The formats on the clipboard in the clipboard's order; empty when not open.
std::vector<UINT> Formats();
// The data of a format, owned by the clipboard: a memory block for memory
// formats, a graphics handle for the others. Null when absent or not open.
HANDLE GetData(UINT format);
// Puts a memory block under a memory format. On success the clipboard owns
// the block (block is left empty); on failure the caller keeps it.
// ComError E_INVALIDARG for a format whose data are not memory blocks.
bool SetData(UINT format, MemoryBlock& block);
// Puts a graphics handle under a bitmap, palette or metafile format; the
// clipboard owns it on success. ComError E_INVALIDARG for a memory format.
bool SetHandle(UINT format, HANDLE handle);
// The number of a named format (0xC000 and up; the same for the same name
// in any letter case); 0 for an empty name.
UINT RegisterFormat(const std::u16string& name);

// Open, trying attempts times with a pause after each failed attempt.
bool OpenWithRetry(int attempts = 101, std::chrono::milliseconds pause = std::chrono::milliseconds(10));

}  // namespace corvane::clipboard
