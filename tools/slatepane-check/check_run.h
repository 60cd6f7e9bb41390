#pragma once
// slatepane-check from its arguments to its exit status.
#include <ostream>
#include <string>
#include <vector>

// Runs the check the arguments ask for, writing the report to out and usage
// errors to err. Returns the exit status: 0 no warnings, 1 warnings, 2 a
// folder or file that cannot be read, or a usage error.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
