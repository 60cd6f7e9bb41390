#include <cstdio>

#include "report.h"

namespace {

// Messages quote file bytes as \xNN, so only ASCII reaches here; control
// characters are escaped all the same.
std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[7];
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned char>(c));
      json += escape;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

void WriteFinding(std::ostream& out, const Finding& f) {
  out << "{\"file\": " << JsonString(f.file) << ", \"line\": ";
  if (f.line == 0) {
    out << "null, \"column\": null";
  } else {
    out << f.line << ", \"column\": " << f.column;
  }
  out << ", \"severity\": \"" << SeverityName(f.severity) << "\", \"kind\": " << JsonString(f.kind)
      << ", \"message\": " << JsonString(f.message);
  if (!f.notes.empty()) {
    out << ", \"notes\": [";
    for (std::size_t i = 0; i < f.notes.size(); ++i) {
      if (i > 0) out << ", ";
      WriteFinding(out, f.notes[i]);
    }
    out << ']';
  }
  out << '}';
}

}  // namespace

void WriteJson(std::ostream& out, const Report& report) {
  out << "{\n  \"files\": [";
  for (std::size_t i = 0; i < report.files.size(); ++i) {
    out << (i > 0 ? ", " : "") << JsonString(report.files[i]);
  }
  out << "],\n  \"findings\": [";
  for (std::size_t i = 0; i < report.findings.size(); ++i) {
    out << (i > 0 ? ",\n    " : "\n    ");
    WriteFinding(out, report.findings[i]);
  }
  out << (report.findings.empty() ? "" : "\n  ") << "],\n";
  out << "  \"warnings\": " << WarningCount(report.findings) << ",\n";
  out << "  \"status\": " << report.status << "\n}\n";
}
