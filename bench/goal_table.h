// The closing table of the goal benchmarks: each path's CPU-time median
// beside its peer's, measured in the same process with the repetitions of
// all benchmarks interleaved, and the ratio against the goal.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench_goals {

struct GoalRow {
  const char* path;
  const char* project;    // benchmark name of the project's path
  const char* peer;       // benchmark name of the peer
  double max_ratio;       // project / peer at most this, or 0
  double max_project_us;  // the project's time at most this, or 0
};

inline double ToMicroseconds(benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond:
      return 1e-3;
    case benchmark::kMicrosecond:
      return 1;
    case benchmark::kMillisecond:
      return 1e3;
    default:
      return 1e6;
  }
}

// Keeps the median CPU time of every benchmark for the table.
class GoalReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        median_us_[run.run_name.function_name] =
            run.GetAdjustedCPUTime() * ToMicroseconds(run.time_unit);
  }

  // Prints `| path | project | peer | ratio | goal |`; returns the number of
  // goals missed.
  int PrintTable(const std::vector<GoalRow>& rows) const {
    int missed = 0;
    std::printf("\n| path | project | peer | ratio | goal |\n|---|---|---|---|---|\n");
    for (const GoalRow& row : rows) {
      const auto project = median_us_.find(row.project);
      const auto peer = median_us_.find(row.peer);
      if (project == median_us_.end() || peer == median_us_.end()) continue;
      const double ratio = project->second / peer->second;
      char goal[64];
      bool met = true;
      if (row.max_project_us > 0) {
        std::snprintf(goal, sizeof goal, "<= %.0f us", row.max_project_us);
        met = project->second <= row.max_project_us;
      } else {
        std::snprintf(goal, sizeof goal, "<= %.2fx", row.max_ratio);
        met = ratio <= row.max_ratio;
      }
      missed += met ? 0 : 1;
      std::printf("| %s | %.1f us | %.1f us | %.2fx | %s%s |\n", row.path, project->second,
                  peer->second, ratio, goal, met ? "" : " (missed)");
    }
    return missed;
  }

 private:
  std::map<std::string, double> median_us_;
};

// Runs every benchmark with interleaved repetitions (unless the command line
// says otherwise) and prints the table.
inline int RunGoals(int argc, char** argv, const std::vector<GoalRow>& rows) {
  std::vector<char*> args{argv[0]};
  static char repetitions[] = "--benchmark_repetitions=9";
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  static char aggregates[] = "--benchmark_report_aggregates_only=true";
  static char min_time[] = "--benchmark_min_time=0.05";
  for (char* flag : {repetitions, interleave, aggregates, min_time}) args.push_back(flag);
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintTable(rows);
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench_goals
