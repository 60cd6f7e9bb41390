#include "report.h"

namespace {

void WriteLine(std::ostream& out, const Finding& f) {
  out << f.file;
  if (f.line != 0) out << ':' << f.line << ':' << f.column;
  out << ": " << SeverityName(f.severity) << ": " << f.message;
  if (f.severity != Severity::kNote) out << " [" << f.kind << ']';
  out << '\n';
}

std::string FileList(const std::vector<std::string>& files) {
  std::string list;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i > 0) list += i + 1 == files.size() ? " and " : ", ";
    list += files[i];
  }
  return list;
}

}  // namespace

int WarningCount(const std::vector<Finding>& findings) {
  int count = 0;
  for (const Finding& f : findings) count += f.severity == Severity::kWarning ? 1 : 0;
  return count;
}

void WriteText(std::ostream& out, const Report& report) {
  for (const Finding& f : report.findings) {
    WriteLine(out, f);
    for (const Finding& note : f.notes) WriteLine(out, note);
  }
  if (report.files.empty()) return;
  const int warnings = WarningCount(report.findings);
  out << "checked " << FileList(report.files) << ": ";
  if (warnings == 0) {
    out << "no warnings\n";
  } else {
    out << warnings << (warnings == 1 ? " warning\n" : " warnings\n");
  }
}
