#pragma once
// The refhost executable with the real plug-in, run as a tester runs it: in a
// fresh game folder holding the plug-in's five dictionaries, with a scenario
// and command-line options, its draw log read back.
#include <string>
#include <vector>

#include "folder_snapshot.h"

struct SessionRun {
  int status = -1;
  std::vector<std::string> lines;   // the draw log, one line per call
  std::vector<std::string> errors;  // standard error, one line each
};

class SessionHost {
 public:
  SessionHost();   // makes the game folder
  ~SessionHost();  // removes it
  SessionHost(const SessionHost&) = delete;
  SessionHost& operator=(const SessionHost&) = delete;

  SessionRun Play(const std::string& scenario_json, const std::vector<std::string>& options = {},
                  const std::string& build = "100") const;

  const std::string& folder() const { return folder_; }
  refhost::FolderSnapshot Snapshot() const { return refhost::FolderSnapshot(folder_); }

 private:
  std::string work_;    // scenario, log and error files
  std::string folder_;  // the game folder, inside work_
};

// The lines of one frame, without their frame numbers.
std::vector<std::string> FrameLines(const SessionRun& run, int frame);
// The lines that start with `prefix` (frame numbers included in the match).
std::vector<std::string> LinesStarting(const SessionRun& run, const std::string& prefix);
