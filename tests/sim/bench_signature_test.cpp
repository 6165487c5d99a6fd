// The benchmark's signature: the final tables of its fixed runs. A change of
// the game's behaviour changes it; such a change must be explained and the
// signature here and in the README updated together.
#include <gtest/gtest.h>

#include "sim/bench_command.h"

namespace qf {
namespace {

constexpr uint64_t kBenchSignature = 0x5d9d00fb451f9a18ULL;

TEST(BenchSignature, FixedRunsGiveTheRecordedSignature) {
  BenchOutcome outcome = RunBench(BenchRuns(), nullptr);
  EXPECT_EQ(outcome.stalled, "");
  EXPECT_EQ(outcome.signature, kBenchSignature) << std::hex << outcome.signature;
}

}  // namespace
}  // namespace qf
