#pragma once
// Plays a scenario through the real plug-in in the reference host, with the
// settings folder as it is on disk now, and gives the page the calls it
// paints: each with its frame, its arguments, the plug-in routine that made
// it and the screen rectangle it covers. One replay at a time: they share a
// game folder of their own.
#include <filesystem>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "edit/exclusive.h"
#include "plugin_symbols.h"

struct ReplayTools {
  std::filesystem::path refhost;       // the reference host's executable
  std::filesystem::path plugin;        // the plug-in it loads
  std::filesystem::path symbols;       // where the plug-in's routines are named; "": the plug-in
  std::filesystem::path scenarios;     // <name>.json files
  std::filesystem::path dictionaries;  // the shipped .txd files
  std::filesystem::path work;          // a folder of the studio's own
};

struct ReplayRequest {
  std::string scenario = "busy-hud";
  int width = 1920;
  int height = 1080;
  int radar_type = 0;  // 0: the settings file's own
};

class ReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Replayer {
 public:
  Replayer(ReplayTools tools, std::filesystem::path settings);

  // The game folder's data folder, which holds the dictionaries played.
  std::filesystem::path data_folder() const;
  // The replay as JSON text:
  //   {"screen": [w, h], "frames": n, "routines": [{"name", "file"}],
  //    "calls": [[frame, name, [arguments], routine or -1, [l, t, r, b]?, true?]]}
  // (true: the rectangle is an estimate). Throws ReplayError with a one-line
  // reason the page can show.
  std::string Play(const ReplayRequest& request);
  // The scenarios there are, by name.
  nlohmann::json Scenarios() const;

 private:
  void CopySettings(int radar_type) const;
  std::vector<std::string> Command(const std::filesystem::path& scenario) const;
  // The scenario at the request's screen, and how many frames it plays.
  std::filesystem::path WriteScenario(const ReplayRequest& request, int& frames) const;
  std::string ReadLog(int width, int height, int frames) const;

  ReplayTools tools_;
  std::filesystem::path settings_;
  PluginSymbols symbols_;
  Exclusive lock_;
};
