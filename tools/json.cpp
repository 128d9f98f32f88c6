#include "json.h"

namespace tessara::tool {

std::string Dump(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string ValidUtf8(const std::string& text) {
  // The JSON writer already knows which bytes are UTF-8: a text written as a JSON
  // string and read back has each other byte replaced.
  return Json::parse(Dump(Json(text))).get<std::string>();
}

}  // namespace tessara::tool
