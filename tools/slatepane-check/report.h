#pragma once
// The report of a check, as text lines in the form compilers use
// ("file:line:column: warning: message [kind]") or as JSON for tools.
#include <ostream>
#include <string>
#include <vector>

#include "finding.h"

struct Report {
  std::vector<std::string> files;  // the settings files checked, in order
  std::vector<Finding> findings;
  int status = 0;  // the exit status: 0 no warnings, 1 warnings, 2 an error
};

// Warnings, not counting notes.
int WarningCount(const std::vector<Finding>& findings);

// Each finding and each of its notes on a line of its own, then a summary line.
void WriteText(std::ostream& out, const Report& report);

void WriteJson(std::ostream& out, const Report& report);
