#pragma once

// Timings and the tables the benchmark programs print. Each figure is the median of several
// runs; a run times only the step it measures.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace velmora::bench {

using Clock = std::chrono::steady_clock;
using Duration = std::chrono::duration<double, std::milli>;

// How long `step` takes.
template <typename Step> Duration timed(Step&& step) {
  const Clock::time_point start = Clock::now();
  step();
  return Clock::now() - start;
}

// The median of `runs` results of `run`, which returns the duration it measured.
template <typename Run> Duration median(int runs, Run&& run) {
  std::vector<Duration> all;
  all.reserve(static_cast<std::size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    all.push_back(run());
  }
  std::sort(all.begin(), all.end());
  const auto middle = all.size() / 2;
  return all.size() % 2 == 1 ? all[middle] : (all[middle - 1] + all[middle]) / 2;
}

// "12.3 ms", "45.6 us", "2.1 s".
inline std::string show(Duration duration) {
  const double ms = duration.count();
  char text[32];
  if (ms >= 1000) {
    std::snprintf(text, sizeof text, "%.2f s", ms / 1000);
  } else if (ms >= 1) {
    std::snprintf(text, sizeof text, "%.2f ms", ms);
  } else {
    std::snprintf(text, sizeof text, "%.2f us", ms * 1000);
  }
  return text;
}

inline std::string showRatio(double ratio) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1fx", ratio);
  return text;
}

// A table in Markdown, its columns as wide as their widest cell.
class Table {
public:
  Table(std::string title, std::vector<std::string> header)
      : title_(std::move(title)), rows_{std::move(header)} {}

  void row(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }

  void print() const {
    std::vector<std::size_t> widths(rows_.front().size(), 3);
    for (const auto& row : rows_) {
      for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
        widths[i] = std::max(widths[i], row[i].size());
      }
    }
    std::printf("\n%s\n\n", title_.c_str());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
      printRow(rows_[r], widths);
      if (r == 0) {
        std::vector<std::string> rule;
        for (const std::size_t width : widths) {
          rule.emplace_back(width, '-');
        }
        printRow(rule, widths);
      }
    }
    std::fflush(stdout);
  }

private:
  static void printRow(const std::vector<std::string>& cells,
                       const std::vector<std::size_t>& widths) {
    std::printf("|");
    for (std::size_t i = 0; i < widths.size(); ++i) {
      const std::string cell = i < cells.size() ? cells[i] : std::string();
      std::printf(" %-*s |", static_cast<int>(widths[i]), cell.c_str());
    }
    std::printf("\n");
  }

  std::string title_;
  std::vector<std::vector<std::string>> rows_;
};

// "met" when the figure is under its target, else "MISSED".
inline std::string verdict(Duration figure, Duration target) {
  return figure < target ? "met" : "MISSED";
}

} // namespace velmora::bench
