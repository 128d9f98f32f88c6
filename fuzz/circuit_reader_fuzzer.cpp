// fuzz/: a libFuzzer target for the circuit file reader. Every input is handed to
// CheckReader (reader_property.h); a broken promise aborts with its description, and
// AddressSanitizer and UndefinedBehaviorSanitizer catch what the check cannot see.
// corpus/ holds the seeds (whole, lenient and damaged files), cir.dict the format's
// tokens, and regressions/ every input that once failed; tests/fuzz runs the same
// check over both folders. Run it with `make fuzz` (FUZZ_SECONDS or FUZZ_RUNS).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "reader_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto broken = tessara::fuzz::CheckReader(text)) {
    std::fprintf(stderr, "circuit reader: %s\n", broken->c_str());
    std::abort();
  }
  return 0;
}
