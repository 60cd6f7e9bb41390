#pragma once
// The textures the page paints with: those of the dictionaries the replay
// plays (the settings folder's own, the shipped ones for those it lacks) and
// the reference host's own textures, each as a PNG made once.
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TextureStore {
 public:
  // Every .txd file directly in `folder`, under its file name ("hud_vc.txd"),
  // and those of `host_textures` under "host".
  void Load(const std::filesystem::path& folder, const std::filesystem::path& host_textures);

  // [{dictionary, name, width, height, pixels}] in the order read.
  nlohmann::json List() const;
  // The PNG, or nullopt for a texture that is not there or has no pixels.
  std::optional<std::string> Png(const std::string& dictionary, const std::string& name) const;

 private:
  void LoadFile(const std::filesystem::path& file, const std::string& dictionary);

  struct Entry {
    std::string dictionary, name;
    int width = 0, height = 0;
    std::string png;  // empty without pixels
  };
  std::vector<Entry> entries_;
};
