#include "studio_api.h"

#include <charconv>

#include "edit/file_bytes_io.h"
#include "edit/settings_path.h"
#include "known_keys.h"
#include "settings_view.h"

using nlohmann::json;

namespace {

HttpResponse Json(const json& value) { return HttpResponse{200, "application/json", value.dump()}; }

int StatusOf(EditStatus status) {
  switch (status) {
    case EditStatus::kDone:
      return 200;
    case EditStatus::kRefusedPath:
      return 403;
    case EditStatus::kBadValue:
      return 422;
    case EditStatus::kChangedOnDisk:
      return 409;
    case EditStatus::kMissing:
      return 404;
    case EditStatus::kNothingToDo:
      return 409;
    case EditStatus::kWriteFailed:
      break;
  }
  return 500;
}

std::string ContentType(const std::filesystem::path& file) {
  const std::string ext = file.extension().string();
  if (ext == ".html") return "text/html; charset=utf-8";
  if (ext == ".js") return "text/javascript; charset=utf-8";
  if (ext == ".css") return "text/css; charset=utf-8";
  if (ext == ".ttf") return "font/ttf";
  if (ext == ".png") return "image/png";
  return "application/octet-stream";
}

int IntParam(const HttpRequest& request, std::string_view name, int fallback) {
  const std::string text = request.Param(name);
  int value = fallback;
  if (!text.empty()) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
      throw ReplayError(std::string(name) + " takes a whole number");
    }
  }
  return value;
}

}  // namespace

void StudioApi::AddRoutes(HttpServer& server) {
  server.Route("GET", "/api/settings", [this](const HttpRequest&) { return Settings(); });
  server.Route("POST", "/api/edit", [this](const HttpRequest& r) { return Edit(r); });
  server.Route("POST", "/api/undo", [this](const HttpRequest&) { return Step(false); });
  server.Route("POST", "/api/redo", [this](const HttpRequest&) { return Step(true); });
  server.Route("GET", "/api/scenarios",
               [this](const HttpRequest&) { return Json(replayer_.Scenarios()); });
  server.Route("GET", "/api/replay", [this](const HttpRequest& r) { return Replay(r); });
  server.Route("GET", "/api/textures",
               [this](const HttpRequest&) { return Json(textures_.List()); });
  server.Route("GET", "/api/texture", [this](const HttpRequest& r) { return Texture(r); });
  server.Route("GET", "/", [this](const HttpRequest& r) {
    if (r.path == "/") return File(folders_.page, "index.html");
    if (r.path.starts_with("/page/")) return File(folders_.page, r.path.substr(6));
    if (r.path.starts_with("/fonts/")) return File(folders_.fonts, r.path.substr(7));
    return JsonError(404, "no such path");
  });
}

HttpResponse StudioApi::Settings() const {
  try {
    return Json(SettingsView(session_));
  } catch (const std::runtime_error& e) {
    return JsonError(404, e.what());
  }
}

HttpResponse StudioApi::Edit(const HttpRequest& request) {
  const json body = json::parse(request.body, nullptr, false);
  if (!body.is_object() || !body.contains("file") || !body["file"].is_string() ||
      !body.contains("edits") || !body["edits"].is_array() || body["edits"].empty()) {
    return JsonError(400, "an edit is {\"file\": name, \"edits\": [{\"key\", \"value\"}]}");
  }
  const std::string file = body["file"];
  const std::optional<FileRole> role = EditableFileRole(file);
  if (!role) return JsonError(403, file + " is not a settings file the studio edits");
  std::vector<std::pair<std::string, std::string>> values;
  for (const json& edit : body["edits"]) {
    if (!edit.is_object() || !edit.contains("key") || !edit["key"].is_string() ||
        !edit.contains("value") || !edit["value"].is_string()) {
      return JsonError(400, "each edit is {\"key\": name, \"value\": text}");
    }
    const std::string key = edit["key"];
    if (!IsKnownKey(*role, key)) return JsonError(422, file + " does not read the key " + key);
    values.emplace_back(key, edit["value"]);
  }
  const EditResult result = session_.SetMany(file, values);
  if (!result.ok()) return JsonError(StatusOf(result.status), result.message);
  return Settings();
}

HttpResponse StudioApi::Step(bool redo) {
  const EditResult result = redo ? session_.Redo() : session_.Undo();
  if (!result.ok()) return JsonError(StatusOf(result.status), result.message);
  return Settings();
}

HttpResponse StudioApi::Replay(const HttpRequest& request) {
  try {
    ReplayRequest replay;
    replay.scenario = request.Param("scenario", replay.scenario);
    replay.width = IntParam(request, "width", replay.width);
    replay.height = IntParam(request, "height", replay.height);
    replay.radar_type = IntParam(request, "radar", 0);
    return HttpResponse{200, "application/json", replayer_.Play(replay)};
  } catch (const ReplayError& e) {
    return JsonError(422, e.what());
  }
}

HttpResponse StudioApi::Texture(const HttpRequest& request) const {
  const std::optional<std::string> png =
      textures_.Png(request.Param("dictionary"), request.Param("name"));
  if (!png) return JsonError(404, "no such texture with pixels");
  return HttpResponse{200, "image/png", *png};
}

HttpResponse StudioApi::File(const std::filesystem::path& folder, std::string_view name) const {
  const ConfinedPath path = ConfineToFolder(folder, name);
  if (!path.error.empty()) return JsonError(404, "no such file");
  const std::optional<std::string> bytes = ReadWholeFile(path.path);
  if (!bytes) return JsonError(404, "no such file");
  return HttpResponse{200, ContentType(path.path), *bytes};
}
