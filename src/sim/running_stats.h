// Mean, standard deviation and a 95% confidence interval of a stream of
// observations, kept without storing them (Welford's method).
#pragma once

#include <cmath>
#include <cstdint>

namespace qf {

class RunningStats {
 public:
  void Add(double x) {
    ++count_;
    double delta = x - mean_;
    mean_ += delta / static_cast<double>(count_);
    m2_ += delta * (x - mean_);
  }

  uint64_t Count() const { return count_; }
  double Mean() const { return mean_; }
  // Sample standard deviation; 0 with fewer than two observations.
  double StdDev() const {
    return count_ < 2 ? 0.0 : std::sqrt(m2_ / static_cast<double>(count_ - 1));
  }
  // Half the width of the 95% confidence interval of the mean.
  double HalfWidth95() const {
    return count_ == 0 ? 0.0 : 1.96 * StdDev() / std::sqrt(static_cast<double>(count_));
  }

  // Merges another stream into this one (for totals over several seats).
  void Merge(const RunningStats& other) {
    if (other.count_ == 0) return;
    if (count_ == 0) {
      *this = other;
      return;
    }
    uint64_t n = count_ + other.count_;
    double delta = other.mean_ - mean_;
    mean_ += delta * static_cast<double>(other.count_) / static_cast<double>(n);
    m2_ += other.m2_ + delta * delta * static_cast<double>(count_) *
                           static_cast<double>(other.count_) / static_cast<double>(n);
    count_ = n;
  }

 private:
  uint64_t count_ = 0;
  double mean_ = 0.0;
  double m2_ = 0.0;
};

}  // namespace qf
