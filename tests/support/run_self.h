#pragma once
#include <string>
#include <vector>

// Runs this test binary again with these tests (a --gtest_filter pattern) and
// these REFHOST_ variables in place of the parent's own; its exit status, or -1
// when it could not be started or did not exit. Its report goes nowhere: the
// status says whether it passed.
int RunSelf(const std::vector<std::string>& environment, const std::string& filter);
