#pragma once
// Runs another program to its end: the reference host, for each replay.
#include <filesystem>
#include <string>
#include <vector>

struct ProgramRun {
  int status = -1;     // its exit status; -1 when it could not start or was killed
  std::string errors;  // what it wrote to standard error
};

// args[0] is the program's path. Standard error goes to `error_file`, read
// back into the result.
ProgramRun RunProgram(const std::vector<std::string>& args,
                      const std::filesystem::path& error_file);
