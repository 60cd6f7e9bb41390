#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "file_bytes_io.h"

namespace {

std::string Failure(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// The temporary file's name: beside the target, hidden, never an existing one
// (O_EXCL), so two writers cannot share it.
int CreateTemporary(const std::filesystem::path& path, std::string& name) {
  std::random_device seed;
  for (int attempt = 0; attempt < 16; ++attempt) {
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) on a chain of +.
    std::string leaf = ".";
    leaf.append(path.filename().string()).append(".studio-");
    leaf.append(std::to_string(seed())).append(".tmp");
    name = (path.parent_path() / leaf).string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::string ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::string temporary;
  const int fd = CreateTemporary(path, temporary);
  if (fd < 0) return Failure("cannot create a temporary file beside the settings file");
  // The new file keeps the old one's permissions.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const std::string why = written ? "" : Failure("cannot write the temporary file");
  ::close(fd);
  if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    std::string reason = written ? Failure("cannot rename the temporary file") : why;
    ::unlink(temporary.c_str());
    return reason;
  }
  return "";
}
