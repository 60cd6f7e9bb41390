#include "figures.h"

namespace bench {

void FigureReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    if (!median && !single) continue;
    figures_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    for (const auto& [name, value] : run.counters) {
      counters_[run.run_name.function_name + "/" + name] = value;
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

double FigureReporter::counter(const std::string& name, const std::string& counter) const {
  const auto found = counters_.find(name + "/" + counter);
  return found == counters_.end() ? 0.0 : found->second;
}

double FigureReporter::figure(const std::string& name) const {
  const auto found = figures_.find(name);
  return found == figures_.end() ? -1.0 : found->second;
}

void FigureReporter::PrintSummary(std::FILE* out) const {
  const double floor = figure("Floor");
  const double load = figure("LoadSettings");
  const double parse = figure("LoadSettingsEdited");
  const double frame = figure("HudFrame");
  const double protection = figure("ProtectionChanges");
  const double lookups = figure("TextureLookups");
  const double recorded = figure("HudFrameRecorded");
  const double start = figure("LoadToFirstFrame");
  std::fprintf(out, "\nslatepane, native i686, build 100, busy scenario (CPU time, median)\n");
  std::fprintf(out, "  floor: open, read, close both settings files     %10.2f us\n", floor);
  std::fprintf(out, "  LoadHudSettings, shipped files as last read       %10.2f us\n", load);
  std::fprintf(out, "  LoadHudSettings, shipped files edited (parsed)   %10.2f us\n", parse);
  std::fprintf(out, "  whole HUD frame, host recording off              %10.2f us\n", frame);
  std::fprintf(out, "    of which the host's %2.0f protection changes     %10.2f us\n",
               counter("ProtectionChanges", "calls"), protection);
  std::fprintf(out, "    of which the host's %3.0f texture-store lookups %10.2f us\n",
               counter("TextureLookups", "calls"), lookups);
  std::fprintf(out, "    the rest: the plug-in and its other host calls %8.2f us\n",
               frame - protection - lookups);
  std::fprintf(out, "  host recording of that frame (apart)             %10.2f us\n",
               recorded - frame);
  std::fprintf(out, "  load to end of first frame                       %10.2f us\n", start);
  if (floor <= 0.0 || load < 0.0 || parse < 0.0 || frame < 0.0 || protection < 0.0 ||
      lookups < 0.0) {
    std::fprintf(out, "  ratios: a figure is missing\n");
    return;
  }
  std::fprintf(out, "  load / floor                          %5.2f   (goal <= 1.5)\n",
               load / floor);
  std::fprintf(out, "  edited load / floor                   %5.2f\n", parse / floor);
  std::fprintf(out, "  frame / floor                         %5.2f   (goal <= 2)\n", frame / floor);
  std::fprintf(out, "  the rest / floor                      %5.2f\n",
               (frame - protection - lookups) / floor);
}

}  // namespace bench
