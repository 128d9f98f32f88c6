// The JSON that tessara-sim writes: every object its commands make carries
// "tessara": kJsonFormat first, and every text in it is valid UTF-8 whatever the bytes
// of the file names it holds.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace tessara::tool {

using Json = nlohmann::ordered_json;  // keys in the order written

// The version of the format of the objects tessara-sim writes.
inline constexpr int kJsonFormat = 1;

// json on one line, each byte of a text that is not UTF-8 written as U+FFFD.
std::string Dump(const Json& json);

// text with each byte that is not UTF-8 replaced by U+FFFD.
std::string ValidUtf8(const std::string& text);

}  // namespace tessara::tool
