// A list of faults, one sentence each, built from streamable parts.
#pragma once

#include <QPoint>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

// Pixel points in faults, as (x, y). QPoint lives in the global namespace, where
// argument-dependent lookup finds this.
inline std::ostream& operator<<(std::ostream& out, QPoint p) {
  return out << '(' << p.x() << ", " << p.y() << ')';
}

namespace tessara::app {

class Faults {
 public:
  template <typename... Parts>
  void Add(const Parts&... parts) {
    std::ostringstream line;
    (line << ... << parts);
    list.push_back(line.str());
  }
  template <typename... Parts>
  void Expect(bool holds, const Parts&... parts) {
    if (!holds) Add(parts...);
  }
  std::vector<std::string> list;
};

}  // namespace tessara::app
