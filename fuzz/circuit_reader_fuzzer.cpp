// libFuzzer on the circuit file reader: a promise of CheckReader broken aborts with its
// description; the sanitizers catch the rest. corpus/ holds the seeds, cir.dict the
// format's tokens, regressions/ every input that once failed (tests/fuzz checks both).
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
