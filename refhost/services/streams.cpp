#include "services/streams.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "draw_log.h"
#include "routines.h"
#include "services/textures.h"
#include "txd_file.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
// Provided by the reference host's operating-system stand-in.
extern "C" std::uint32_t GetModuleFileNameA(void* module, char* buffer, std::uint32_t size);
#endif

namespace refhost::streams {

namespace {

struct Stream {
  std::string name;  // the file's name, without its folder
  std::vector<std::uint8_t> bytes;
  std::size_t position = 0;
  bool open = true;
  // The chunk FindChunk last found; the stream stands at its body.
  std::optional<txd::ChunkHeader> chunk;
};

struct Streams {
  std::deque<Stream> all;  // kept, closed ones too, so that handles stay distinct
  std::unordered_map<const void*, Stream*> at;
  int open = 0;
  std::string root;
};

Streams& streams() {
  static Streams s;
  return s;
}

std::string folder_of(const std::string& path) {
  const std::size_t last = path.find_last_of("\\/");
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string executable_folder() {
  char buffer[1024];
  const auto length = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
  if (length == 0 || length >= sizeof(buffer)) return {};
  return folder_of(std::string(buffer, length));
}

// The same text on every platform for the same file under the game folder.
std::string logged_path(const std::string& path) {
  const std::string root = streams().root.empty() ? executable_folder() : streams().root;
  if (!root.empty() && path.compare(0, root.size(), root) == 0) return path.substr(root.size());
  return path;
}

std::string local_path(std::string path) {
#ifndef _WIN32
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
#endif
  return path;
}

std::optional<std::vector<std::uint8_t>> read_file(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::optional<std::vector<std::uint8_t>> bytes;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long size = std::ftell(file);
    if (size >= 0 && static_cast<unsigned long>(size) <= kMaxStreamBytes &&
        std::fseek(file, 0, SEEK_SET) == 0) {
      std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
      if (std::fread(data.data(), 1, data.size(), file) == data.size()) bytes = std::move(data);
    }
  }
  std::fclose(file);
  return bytes;
}

Stream* live_stream(void* handle) {
  const auto found = streams().at.find(handle);
  return found != streams().at.end() && found->second->open ? found->second : nullptr;
}

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

DrawLog& log_stream(DrawLog& log, const void* handle) {
  if (handle == nullptr) return log.text(static_cast<const char*>(nullptr));
  const auto found = streams().at.find(handle);
  if (found == streams().at.end()) return log.text("(unknown)");
  const Stream& s = *found->second;
  return log.text((s.open ? s.name : s.name + " (closed)").c_str());
}

DrawLog& log_out(DrawLog& log, const void* pointer) { return log.text(pointer ? "out" : nullptr); }

HOST_CDECL void* stream_open(int type, int mode, const char* path) {
  log_call(HostId::HostStream_Open)
      .i(type)
      .i(mode)
      .text(path ? logged_path(path).c_str() : nullptr);
  if (type != kFileStream || mode != kReadMode || path == nullptr) return nullptr;
  std::optional<std::vector<std::uint8_t>> bytes = read_file(local_path(path));
  if (!bytes) return nullptr;
  Streams& all = streams();
  Stream& s = all.all.emplace_back();
  const std::string full(path);
  s.name = full.substr(folder_of(full).size());
  s.bytes = std::move(*bytes);
  all.at[&s] = &s;
  ++all.open;
  return &s;
}

HOST_CDECL bool stream_find_chunk(void* stream, std::uint32_t type, std::uint32_t* length,
                                  std::uint32_t* version) {
  DrawLog& log = log_stream(log_call(HostId::HostStream_FindChunk), stream).i(type);
  log_out(log, length);
  log_out(log, version);
  Stream* s = live_stream(stream);
  if (s == nullptr) return false;
  s->chunk.reset();
  // Chunks of other types are stepped over whole; a header or body that
  // runs past the end ends the search.
  while (std::optional<txd::ChunkHeader> header = txd::read_chunk_header(s->bytes, s->position)) {
    if (header->type == type) {
      s->chunk = header;
      if (length) *length = header->length;
      if (version) *version = header->version;
      return true;
    }
    s->position += header->length;
  }
  s->position = s->bytes.size();
  return false;
}

HOST_CDECL void* stream_read_dictionary(void* stream) {
  log_stream(log_call(HostId::HostStream_ReadDictionary), stream);
  Stream* s = live_stream(stream);
  if (s == nullptr || !s->chunk || s->chunk->type != txd::kDictionaryChunk) return nullptr;
  const txd::ChunkHeader header = *s->chunk;
  s->chunk.reset();
  const std::span<const std::uint8_t> body =
      std::span<const std::uint8_t>(s->bytes).subspan(s->position, header.length);
  s->position += header.length;
  const std::optional<std::vector<txd::TextureEntry>> entries =
      txd::read_dictionary(body, header.version);
  if (!entries) return nullptr;
  return textures::create_file_dictionary(s->name, *entries);
}

HOST_CDECL void stream_close(void* stream) {
  log_stream(log_call(HostId::HostStream_Close), stream);
  Stream* s = live_stream(stream);
  if (s == nullptr) return;
  s->open = false;
  s->chunk.reset();
  std::vector<std::uint8_t>().swap(s->bytes);
  --streams().open;
}

}  // namespace

int open_streams() { return streams().open; }

void reset() {
  Streams& all = streams();
  for (Stream& s : all.all) {
    s.open = false;
    s.chunk.reset();
    std::vector<std::uint8_t>().swap(s.bytes);
  }
  all.open = 0;
  all.root.clear();
}

void set_log_root(std::string folder) { streams().root = std::move(folder); }

void register_services() {
  implement<HostId::HostStream_Open>(stream_open);
  implement<HostId::HostStream_FindChunk>(stream_find_chunk);
  implement<HostId::HostStream_ReadDictionary>(stream_read_dictionary);
  implement<HostId::HostStream_Close>(stream_close);
}

}  // namespace refhost::streams
