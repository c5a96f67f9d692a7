// vandrel-draws COUNT [--frozen-clock]
// Prints COUNT card numbers (1-52), one a line, drawn back to back through the
// program's own reseed-and-draw path. With --frozen-clock every reseed sees the
// same time of day, the worst case for a generator that restarts from it.
#include <charconv>
#include <cstdio>
#include <functional>
#include <string_view>

#include "experiment.h"
#include "randomsource.h"

namespace {

int usage() {
  std::fputs("usage: vandrel-draws COUNT [--frozen-clock]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    return usage();
  }
  const std::string_view countArg = argv[1];
  long long count = 0;
  const auto [end, error] = std::from_chars(countArg.begin(), countArg.end(), count);
  if (error != std::errc{} || end != countArg.end() || count < 0) {
    return usage();
  }
  std::function<float()> clock = secondsSinceMidnight;
  if (argc == 3) {
    if (std::string_view{argv[2]} != "--frozen-clock") {
      return usage();
    }
    clock = [frozen = secondsSinceMidnight()] { return frozen; };
  }
  RandomSource source(RandomSource::entropySeed());
  for (long long i = 0; i < count; ++i) {
    std::printf("%d\n", drawCard(source, clock));
  }
  return std::ferror(stdout) != 0 ? 1 : 0;
}
