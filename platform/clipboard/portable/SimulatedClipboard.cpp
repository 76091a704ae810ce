// The portable build's clipboard: one per process, opened by one thread at a
// time, holding formats in the order they were put on it.
#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "platform/clipboard/BlockLock.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/ClipboardBackend.h"
#include "platform/clipboard/Formats.h"
#include "platform/clipboard/GlobalMemory.h"
#include "platform/clipboard/portable/Simulation.h"
#include "platform/com/Text.h"
#include "platform/graphics/Gdi.h"

namespace corvane::clipboard {

namespace {

struct Entry {
  UINT format;
  HANDLE data;
};

// The clipboard frees what it owns: memory blocks, and bitmaps and palettes
// (metafiles are not modelled).
void FreeData(UINT format, HANDLE data) {
  if (HoldsMemoryBlock(format)) {
    global::Free(data);
  } else {
    graphics::DeleteGdiObject(data);
  }
}

struct State {
  std::optional<std::thread::id> openedBy;
  bool heldByOther = false;
  int failedOpens = 0;
  std::set<UINT> refused;
  std::vector<Entry> entries;
  std::map<std::u16string, UINT> registered;  // by upper-case name

  ~State() { FreeEntries(); }
  bool OpenHere() const { return openedBy == std::this_thread::get_id(); }
  void FreeEntries() {
    for (const Entry& entry : entries) FreeData(entry.format, entry.data);
    entries.clear();
  }
};

std::mutex stateLock;
State state;

bool Put(UINT format, HANDLE data) {
  std::lock_guard<std::mutex> hold(stateLock);
  if (!state.OpenHere() || state.refused.count(format)) return false;
  auto found =
      std::find_if(state.entries.begin(), state.entries.end(), [&](const Entry& e) { return e.format == format; });
  if (found == state.entries.end()) {
    state.entries.push_back({format, data});
    return true;
  }
  if (found->data != data) FreeData(format, found->data);
  found->data = data;
  return true;
}

std::vector<BYTE> BytesOf(HANDLE data) {
  BlockLock lock(data);
  return lock ? std::vector<BYTE>(lock.data(), lock.data() + lock.size()) : std::vector<BYTE>();
}

}  // namespace

bool Open(HWND owner) {
  std::lock_guard<std::mutex> hold(stateLock);
  if (state.heldByOther || (state.openedBy && !state.OpenHere())) {
    ++state.failedOpens;
    return false;
  }
  state.openedBy = std::this_thread::get_id();
  return true;
}

bool Close() {
  std::lock_guard<std::mutex> hold(stateLock);
  if (!state.OpenHere()) return false;
  state.openedBy.reset();
  return true;
}

bool Empty() {
  std::lock_guard<std::mutex> hold(stateLock);
  if (!state.OpenHere()) return false;
  state.FreeEntries();
  return true;
}

std::vector<UINT> Formats() {
  std::lock_guard<std::mutex> hold(stateLock);
  std::vector<UINT> formats;
  if (!state.OpenHere()) return formats;
  for (const Entry& entry : state.entries) formats.push_back(entry.format);
  return formats;
}

HANDLE GetData(UINT format) {
  std::lock_guard<std::mutex> hold(stateLock);
  if (!state.OpenHere()) return nullptr;
  for (const Entry& entry : state.entries) {
    if (entry.format == format) return entry.data;
  }
  return nullptr;
}

bool SetMemoryData(UINT format, HGLOBAL block) { return global::Size(block) > 0 && Put(format, block); }

bool SetHandleData(UINT format, HANDLE handle) { return Put(format, handle); }

UINT RegisterFormat(const std::u16string& name) {
  if (name.empty()) return 0;
  std::lock_guard<std::mutex> hold(stateLock);
  const std::u16string key = com::AsciiUpper(name);
  auto found = state.registered.find(key);
  if (found != state.registered.end()) return found->second;
  const UINT format = kFirstRegistered + static_cast<UINT>(state.registered.size());
  state.registered.emplace(key, format);
  return format;
}

void HoldByAnotherProgram(bool held) {
  std::lock_guard<std::mutex> hold(stateLock);
  state.heldByOther = held;
}

void RefuseFormat(UINT format, bool refused) {
  std::lock_guard<std::mutex> hold(stateLock);
  if (refused) {
    state.refused.insert(format);
  } else {
    state.refused.erase(format);
  }
}

int FailedOpens() {
  std::lock_guard<std::mutex> hold(stateLock);
  return state.failedOpens;
}

std::vector<ClipboardEntry> Contents() {
  std::lock_guard<std::mutex> hold(stateLock);
  std::vector<ClipboardEntry> contents;
  for (const Entry& entry : state.entries) {
    contents.push_back(
        {entry.format, HoldsMemoryBlock(entry.format) ? BytesOf(entry.data) : std::vector<BYTE>(), entry.data});
  }
  return contents;
}

void ResetClipboard() {
  std::lock_guard<std::mutex> hold(stateLock);
  state.FreeEntries();
  state.openedBy.reset();
  state.heldByOther = false;
  state.failedOpens = 0;
  state.refused.clear();
}

}  // namespace corvane::clipboard
