#pragma once
// The studio's routes: the settings and their edits, replays, textures, and
// the page's own files.
//   GET  /api/settings                    settings_view.h
//   POST /api/edit    {"file", "edits": [{"key", "value"}]}   one undo step
//   POST /api/undo, /api/redo
//   GET  /api/scenarios
//   GET  /api/replay?scenario=&width=&height=&radar=
//   GET  /api/textures, /api/texture?dictionary=&name=        (PNG)
//   GET  /, /page/..., /fonts/...         the page and the DejaVu fonts
// An edit refused answers 409 (the file changed on disk: reload), 403 (a
// file outside the folder or not a settings file), 422 (not one value, or a
// key the file does not read), with {"error": message}.
#include <filesystem>

#include "edit/edit_session.h"
#include "http/http_server.h"
#include "replay.h"
#include "texture_store.h"

struct StudioFolders {
  std::filesystem::path page;   // studio/page
  std::filesystem::path fonts;  // the DejaVu .ttf files
};

class StudioApi {
 public:
  StudioApi(EditSession& session, Replayer& replayer, const TextureStore& textures,
            StudioFolders folders)
      : session_(session), replayer_(replayer), textures_(textures), folders_(std::move(folders)) {}

  void AddRoutes(HttpServer& server);

 private:
  HttpResponse Settings() const;
  HttpResponse Edit(const HttpRequest& request);
  HttpResponse Step(bool redo);
  HttpResponse Replay(const HttpRequest& request);
  HttpResponse Texture(const HttpRequest& request) const;
  HttpResponse File(const std::filesystem::path& folder, std::string_view name) const;

  EditSession& session_;
  Replayer& replayer_;
  const TextureStore& textures_;
  StudioFolders folders_;
};
