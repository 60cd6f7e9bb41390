#include "scenario.h"

#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <type_traits>

#include "game_folder.h"
#include "host_records.h"
#include "keyboard.h"
#include "services/text_table.h"
#include "services/textures.h"
#include "text_encoding.h"

namespace refhost {

namespace {

using nlohmann::json;

template <typename T>
void set_scalar(HostImage& image, const std::string& name, const json& value, std::size_t offset) {
  if (!value.is_number() && !value.is_boolean()) {
    throw std::runtime_error(name + ": expected a number");
  }
  T v{};
  if constexpr (std::is_floating_point_v<T>) {
    v = value.get<T>();
  } else {
    v = static_cast<T>(value.is_boolean() ? value.get<bool>() : value.get<long long>());
  }
  image.set<T>(name, v, offset);
}

template <typename T>
void set_array(HostImage& image, const std::string& name, const json& value) {
  if constexpr (std::is_same_v<T, char16_t>) {
    if (value.is_string()) {
      const std::u16string text = utf16_from_utf8(value.get<std::string>()) + u'\0';
      for (std::size_t k = 0; k < text.size(); ++k) image.set<char16_t>(name, text[k], 2 * k);
      return;
    }
  }
  if (!value.is_array()) throw std::runtime_error(name + ": expected a list");
  for (std::size_t k = 0; k < value.size(); ++k) {
    if constexpr (std::is_same_v<T, char16_t>) {
      image.set<char16_t>(name, static_cast<char16_t>(value[k].get<int>()), 2 * k);
    } else {
      set_scalar<T>(image, name, value[k], sizeof(T) * k);
    }
  }
}

using Setter = void (*)(HostImage&, const std::string&, const json&);

struct Settable {
  const char* name;
  Setter setter;
};

// The host's name pointers (16-bit texts) are published from a scenario: a
// text puts the name where the host keeps it, null clears the pointer. Other
// pointers are the host's own business: a scenario cannot name host memory.
void set_name_pointer(HostImage& image, const std::string& name, const json& value) {
  const char16_t* where = nullptr;
  if (value.is_string()) {
    where = text_table::publish(utf16_from_utf8(value.get<std::string>()));
  } else if (!value.is_null()) {
    throw std::runtime_error(name + ": expected a text or null");
  }
  image.set<const char16_t*>(name, where);
}

template <typename T>
void set_value(HostImage& image, const std::string& name, const json& value) {
  if constexpr (std::is_same_v<T, const char16_t*>) {
    set_name_pointer(image, name, value);
  } else if constexpr (std::is_pointer_v<T>) {
    (void)image;
    (void)value;
    throw std::runtime_error(name + ": a host pointer cannot be set from a scenario");
  } else {
    set_scalar<T>(image, name, value, 0);
  }
}

const Settable kSettable[] = {
#define HOST_VALUE(family, name, type, form, a, b, c) {#family "." #name, &set_value<type>},
#define HOST_ARRAY(family, name, type, count, form, a, b, c) {#family "." #name, &set_array<type>},
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c)
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE
};

RendererChange parse_renderer(const json& value, const std::string& where) {
  if (value == "stop") return RendererChange::Stop;
  if (value == "start") return RendererChange::Start;
  if (value == "restart") return RendererChange::Restart;
  throw std::runtime_error(where + ".renderer: expected \"stop\", \"start\" or \"restart\"");
}

// A file's new contents: a text (its UTF-8 bytes), {"base64": "..."}, or null
// to remove the file.
std::optional<std::string> parse_contents(const json& value, const std::string& where) {
  if (value.is_null()) return std::nullopt;
  if (value.is_string()) return value.get<std::string>();
  if (value.is_object() && value.size() == 1 && value.contains("base64") &&
      value.at("base64").is_string()) {
    if (auto bytes = bytes_from_base64(value.at("base64").get<std::string>())) return bytes;
    throw std::runtime_error(where + ": not base64 text");
  }
  throw std::runtime_error(where + ": expected a text, {\"base64\": ...} or null");
}

std::vector<ForeignPatch> parse_foreign_patches(const json& node, const std::string& where) {
  if (!node.is_object()) throw std::runtime_error(where + ": expected an object");
  std::vector<ForeignPatch> patches;
  for (const auto& [site, write] : node.items()) {
    const std::string at = where + ".\"" + site + "\"";
    if (!write.is_string()) throw std::runtime_error(at + ": expected a text");
    try {
      patches.push_back(parse_foreign_patch(site, write.get<std::string>()));
    } catch (const std::runtime_error& e) {
      throw std::runtime_error(at + ": " + e.what());
    }
  }
  return patches;
}

std::vector<FileEdit> parse_files(const json& node, const std::string& where) {
  if (!node.is_object()) throw std::runtime_error(where + ": expected an object");
  std::vector<FileEdit> files;
  for (const auto& [path, value] : node.items()) {
    const std::string problem = game_file_problem(path);
    if (!problem.empty()) throw std::runtime_error(where + ".\"" + path + "\": " + problem);
    files.push_back({path, parse_contents(value, where + ".\"" + path + "\"")});
  }
  return files;
}

ScenarioStep parse_step(const json& node, const std::string& where) {
  ScenarioStep step;
  if (!node.is_object()) throw std::runtime_error(where + ": expected an object");
  for (const auto& [key, value] : node.items()) {
    if (key == "set") {
      if (!value.is_object()) throw std::runtime_error(where + ".set: expected an object");
      step.set = value;
    } else if (key == "texts") {
      if (!value.is_object()) throw std::runtime_error(where + ".texts: expected an object");
      for (const auto& [text_key, text] : value.items()) {
        if (!text.is_string())
          throw std::runtime_error(where + ".texts." + text_key + ": expected a text");
        step.texts[text_key] = text.get<std::string>();
      }
    } else if (key == "keys") {
      if (!value.is_object()) throw std::runtime_error(where + ".keys: expected an object");
      for (const auto& [code, held] : value.items()) {
        step.keys[std::stoi(code)] = held.get<bool>();
      }
    } else if (key == "renderer") {
      step.renderer = parse_renderer(value, where);
    } else if (key == "files") {
      step.files = parse_files(value, where + ".files");
    } else if (key == "foreign_patches") {
      step.foreign_patches = parse_foreign_patches(value, where + ".foreign_patches");
    } else {
      throw std::runtime_error(where + ": unknown entry \"" + key + "\"");
    }
  }
  return step;
}

std::vector<std::string> names(const json& node, const std::string& where) {
  if (!node.is_array()) throw std::runtime_error(where + ": expected a list of names");
  std::vector<std::string> out;
  for (const json& name : node) out.push_back(name.get<std::string>());
  return out;
}

StoreLayout parse_store(const json& node) {
  StoreLayout layout;
  if (!node.is_object()) throw std::runtime_error("texture_store: expected an object");
  for (const auto& [key, value] : node.items()) {
    if (key == "leave_out") {
      layout.leave_out = names(value, "texture_store.leave_out");
    } else if (key == "insert_before") {
      if (!value.is_object())
        throw std::runtime_error("texture_store.insert_before: expected an object");
      for (const auto& [before, inserted] : value.items()) {
        layout.insert_before.emplace_back(before,
                                          names(inserted, "texture_store.insert_before." + before));
      }
    } else {
      throw std::runtime_error("texture_store: unknown entry \"" + key + "\"");
    }
  }
  return layout;
}

const std::set<std::string, std::less<>> kTopLevel = {"screen", "clock",         "frames",
                                                      "start",  "texture_store", "at"};

// The renderer runs from frame 0; each step may only stop a running one or
// start a stopped one.
void check_renderer_steps(const Scenario& sc) {
  if (sc.start.renderer != RendererChange::None) {
    throw std::runtime_error("start.renderer: the renderer starts at frame 0; change it in \"at\"");
  }
  bool running = true;
  for (const auto& [frame, step] : sc.at) {
    const RendererChange change = step.renderer;
    if (change == RendererChange::None) continue;
    const std::string where = "at." + std::to_string(frame) + ".renderer: ";
    if (frame < 1) throw std::runtime_error(where + "frames start at 1");
    if (change == RendererChange::Start && running) {
      throw std::runtime_error(where + "the renderer is running already");
    }
    if (change != RendererChange::Start && !running) {
      throw std::runtime_error(where + "the renderer is stopped already");
    }
    running = change != RendererChange::Stop;
  }
}

int get_int(const json& node, const char* key, int fallback) {
  return node.contains(key) ? node.at(key).get<int>() : fallback;
}

}  // namespace

void set_host_variable(HostImage& image, const std::string& name, const json& value) {
  for (const Settable& s : kSettable) {
    if (name != s.name) continue;
    // An executable the plug-in does not know has no per-build variables.
    if (image.symbol(name) != nullptr) s.setter(image, name, value);
    return;
  }
  if (set_record_field(image, name, value)) return;
  throw std::runtime_error("no host variable or record field named " + name);
}

void apply_step(HostImage& image, const ScenarioStep& step) {
  for (const auto& [name, value] : step.set.items()) set_host_variable(image, name, value);
  for (const auto& [key, text] : step.texts) text_table::set_entry(key, utf16_from_utf8(text));
  for (const auto& [code, held] : step.keys) set_key(code, held);
  for (const ForeignPatch& patch : step.foreign_patches) {
    // An executable the plug-in does not know has no call sites.
    if (image.site(patch.site) != nullptr) {
      rewrite_site(image, patch.site, foreign_instruction(image, patch));
    }
  }
}

std::vector<ForeignSite> foreign_sites(const HostImage& image, const Scenario& scenario,
                                       int frames) {
  std::vector<ForeignSite> sites;
  for (const auto& [frame, step] : scenario.at) {
    if (frame < 1 || frame > frames) continue;  // never played
    for (const ForeignPatch& patch : step.foreign_patches) {
      if (image.site(patch.site) == nullptr) continue;
      std::erase_if(sites, [&](const ForeignSite& f) { return f.site == patch.site; });
      sites.push_back({patch.site, foreign_instruction(image, patch)});
    }
  }
  return sites;
}

void apply_files(const ScenarioStep& step) {
  if (step.files.empty()) return;
  const std::string folder = game_folder();
  for (const FileEdit& edit : step.files) game_files().apply(folder, edit);
}

void apply_store_layout(const StoreLayout& layout) {
  textures::reset();
  for (const std::string& name : layout.leave_out) {
    if (!textures::leave_out_store_dictionary(name)) {
      throw std::runtime_error("texture_store: no store slot named " + name);
    }
  }
  for (const auto& [before, inserted] : layout.insert_before) {
    for (const std::string& name : inserted) {
      if (!textures::insert_store_dictionary(before, name)) {
        throw std::runtime_error("texture_store: no store slot named " + before);
      }
    }
  }
}

Scenario Scenario::parse(const std::string& json_text) {
  try {
    const json root = json::parse(json_text);
    if (!root.is_object()) throw std::runtime_error("scenario: expected an object");
    for (const auto& [key, value] : root.items()) {
      if (!kTopLevel.contains(key)) {
        throw std::runtime_error("scenario: unknown entry \"" + key + "\"");
      }
    }
    Scenario sc;
    if (root.contains("screen")) {
      sc.width = get_int(root.at("screen"), "width", sc.width);
      sc.height = get_int(root.at("screen"), "height", sc.height);
    }
    if (root.contains("clock")) {
      sc.clock_start_ms = get_int(root.at("clock"), "start_ms", sc.clock_start_ms);
      sc.frame_ms = get_int(root.at("clock"), "frame_ms", sc.frame_ms);
    }
    sc.frames = get_int(root, "frames", sc.frames);
    if (root.contains("texture_store")) sc.texture_store = parse_store(root.at("texture_store"));
    if (root.contains("start")) sc.start = parse_step(root.at("start"), "start");
    if (!sc.start.foreign_patches.empty()) {
      throw std::runtime_error(
          "start.foreign_patches: the other patcher rewrites while the plug-in is loaded; "
          "give a frame in \"at\"");
    }
    if (root.contains("at")) {
      for (const auto& [frame, node] : root.at("at").items()) {
        sc.at[std::stoi(frame)] = parse_step(node, "at." + frame);
      }
    }
    check_renderer_steps(sc);
    return sc;
  } catch (const json::exception& e) {
    throw std::runtime_error(std::string("scenario: ") + e.what());
  } catch (const std::logic_error& e) {
    throw std::runtime_error(std::string("scenario: bad number: ") + e.what());
  }
}

Scenario Scenario::load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read scenario " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return parse(text.str());
}

}  // namespace refhost
