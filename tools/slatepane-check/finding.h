#pragma once
// One line of the checker's report: where, how serious, what kind, and why.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

enum class Severity { kError, kWarning, kNote };

struct Finding {
  std::string file;          // the path as shown to the user
  std::uint32_t line = 0;    // 1-based; 0 when the finding is about the whole file
  std::uint32_t column = 0;  // 1-based byte column; 0 with line 0
  Severity severity = Severity::kWarning;
  std::string kind;  // short stable tag, e.g. "unknown-key"
  std::string message;
  std::vector<Finding> notes;  // printed right after it, in order
};

inline const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::kError:
      return "error";
    case Severity::kWarning:
      return "warning";
    case Severity::kNote:
      break;
  }
  return "note";
}

inline Finding MakeFinding(Severity severity, std::string file, std::uint32_t line,
                           std::uint32_t column, std::string kind, std::string message) {
  Finding f;
  f.file = std::move(file);
  f.line = line;
  f.column = column;
  f.severity = severity;
  f.kind = std::move(kind);
  f.message = std::move(message);
  return f;
}
