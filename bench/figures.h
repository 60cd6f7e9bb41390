#pragma once
// The console report of Google Benchmark, keeping each benchmark's figure
// (the median over the repetitions, or the one run) for the summary that
// puts them side by side.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace bench {

class FigureReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  // CPU microseconds per iteration; a negative value when it did not run.
  double figure(const std::string& name) const;
  // A counter the benchmark reported, or 0.
  double counter(const std::string& name, const std::string& counter) const;
  // The figures, the recording cost and the ratios against the floor.
  void PrintSummary(std::FILE* out) const;

 private:
  std::map<std::string, double> figures_;
  std::map<std::string, double> counters_;
};

}  // namespace bench
