#include <windows.h>

#include <random>

#include "file_bytes_io.h"

namespace {

std::string Failure(const char* what) {
  return std::string(what) + " (Windows error " + std::to_string(GetLastError()) + ")";
}

HANDLE CreateTemporary(const std::filesystem::path& path, std::wstring& name) {
  std::random_device seed;
  for (int attempt = 0; attempt < 16; ++attempt) {
    name = (path.parent_path() /
            (path.filename().wstring() + L".studio-" + std::to_wstring(seed()) + L".tmp"))
               .wstring();
    HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 1u << 20 ? 1u << 20 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::string ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::wstring temporary;
  HANDLE file = CreateTemporary(path, temporary);
  if (file == INVALID_HANDLE_VALUE) {
    return Failure("cannot create a temporary file beside the settings file");
  }
  const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
  const std::string why = written ? "" : Failure("cannot write the temporary file");
  CloseHandle(file);
  // MoveFileEx replaces the old file in one step on the same volume.
  if (!written || !MoveFileExW(temporary.c_str(), path.wstring().c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    std::string reason = written ? Failure("cannot rename the temporary file") : why;
    DeleteFileW(temporary.c_str());
    return reason;
  }
  return "";
}
