#include "engine/rng.h"

#include <random>

namespace qf {

uint64_t Rng::EntropySeed() {
  std::random_device device;
  return (static_cast<uint64_t>(device()) << 32) ^ device();
}

}  // namespace qf
