#include "platform/registry/portable/RootFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/registry/portable/StoreText.h"

namespace corvane::registry::portable {
namespace {

std::string SystemError(const std::string& what, const std::filesystem::path& file) {
  return what + " " + file.string() + ": " + std::strerror(errno);
}

// A file descriptor closed at scope exit.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Holds an exclusive lock on the store's folder: one writer at a time across
// processes, and the read-modify-write of a root is not interleaved.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& folder) : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY)) {
    if (fd_.get() < 0 || ::flock(fd_.get(), LOCK_EX) != 0) {
      throw StoreWriteError(ERROR_CANTWRITE, SystemError("cannot lock the registry folder", folder));
    }
  }

 private:
  Descriptor fd_;
};

void WriteAll(int fd, const std::string& text, const std::filesystem::path& file) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw StoreWriteError(ERROR_CANTWRITE, SystemError("cannot write", file));
    done += static_cast<size_t>(written);
  }
  if (::fsync(fd) != 0) throw StoreWriteError(ERROR_CANTWRITE, SystemError("cannot flush", file));
}

}  // namespace

bool RootFile::Stamp::operator==(const Stamp& other) const {
  return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
         modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

std::filesystem::path RootFile::TempFileFor(const std::filesystem::path& file) {
  return file.parent_path() / ("." + file.filename().string() + ".tmp");
}

std::filesystem::path RootFile::ReadOnlyMarkerFor(const std::filesystem::path& file) {
  return file.parent_path() / (file.stem().string() + ".readonly");
}

RootFile::Stamp RootFile::StampOf(const std::filesystem::path& file) {
  struct stat info {};
  Stamp stamp;
  if (::stat(file.c_str(), &info) != 0) return stamp;
  stamp.exists = true;
  stamp.device = info.st_dev;
  stamp.inode = info.st_ino;
  stamp.size = info.st_size;
  stamp.modified = info.st_mtim;
  return stamp;
}

// A file changed within the clock's granularity may keep its stamp (hand
// edits that keep the size), so a recent file is compared by content too.
bool RootFile::Stamp::Recent() const {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return exists && now.tv_sec - modified.tv_sec < 2;
}

void RootFile::Load(const Stamp& stamp) {
  std::string text;
  if (stamp.exists) {
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (!in) {
      loaded_.reset();
      throw RegistryError(ERROR_CANTREAD, "Cannot read registry file " + file_.string());
    }
    text = buffer.str();
  }
  const bool same = loaded_ && text == loadedText_;
  loaded_ = stamp;
  if (same) return;
  loadedText_ = std::move(text);
  damage_.reset();
  content_ = Key();
  try {
    content_ = ParseStore(loadedText_, file_.string());
  } catch (const RegistryError& error) {
    content_ = Key();
    damage_ = error.what();
  }
}

const Key& RootFile::Read() {
  const Stamp stamp = StampOf(file_);
  if (!loaded_ || !(*loaded_ == stamp) || stamp.Recent()) Load(stamp);
  if (damage_) throw RegistryError(ERROR_BADDB, *damage_);
  return content_;
}

bool RootFile::ReadOnly() const { return std::filesystem::exists(ReadOnlyMarkerFor(file_)); }

void RootFile::SetReadOnly(bool readOnly) {
  std::error_code ignored;
  std::filesystem::create_directories(file_.parent_path(), ignored);
  const auto marker = ReadOnlyMarkerFor(file_);
  if (!readOnly) {
    std::filesystem::remove(marker, ignored);
    return;
  }
  std::ofstream(marker) << "Writes to " << file_.filename().string() << " are refused while this file exists.\n";
  if (!std::filesystem::exists(marker)) throw StoreWriteError(ERROR_CANTWRITE, "cannot create " + marker.string());
}

void RootFile::WriteAtomically(const std::string& text) {
  const auto temp = TempFileFor(file_);
  {
    Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) throw StoreWriteError(ERROR_CANTWRITE, SystemError("cannot create", temp));
    try {
      WriteAll(fd.get(), text, temp);
    } catch (...) {
      ::unlink(temp.c_str());
      throw;
    }
  }
  if (::rename(temp.c_str(), file_.c_str()) != 0) {
    const std::string message = SystemError("cannot replace", file_);
    ::unlink(temp.c_str());
    throw StoreWriteError(ERROR_CANTWRITE, message);
  }
}

bool RootFile::Modify(const std::function<bool(Key&)>& change) {
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (error)
    throw StoreWriteError(ERROR_CANTWRITE, "cannot create the registry folder " + file_.parent_path().string());
  FolderLock lock(file_.parent_path());
  Key updated = Read();
  if (ReadOnly()) throw StoreWriteError(ERROR_ACCESS_DENIED, file_.stem().string() + " is read-only");
  if (!change(updated)) return false;
  std::string text = FormatStore(updated);
  WriteAtomically(text);
  content_ = std::move(updated);
  loadedText_ = std::move(text);
  loaded_ = StampOf(file_);
  return true;
}

}  // namespace corvane::registry::portable
