// The layers: model, sim, io (the core), view, editor, picture, app, each including only
// its own folder and the layers before it; tessara-sim on the core alone, and its picture
// helper on the picture library's toolkit-free header; no Qt header below picture;
// and no circle between files, a header and its source counting as one file. That each
// library's code sees only the headers of the libraries it links, the build enforces
// (each exports its folder alone: src/CMakeLists.txt).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
const fs::path kRoot = TESSARA_SOURCE_DIR;

// A file's layer by its folder; tools stands beside view, on the core alone.
const std::map<std::string, int> kRank = {{"src/model", 0}, {"src/sim", 1},    {"src/io", 2},
                                          {"src/view", 3},  {"src/editor", 4}, {"src/picture", 5},
                                          {"src/app", 6},   {"tools", 3}};
// Includes allowed across the ranks: a file and the one header it may include.
const std::set<std::pair<std::string, std::string>> kAlsoAllowed = {
    {"tools/picture/main.cpp", "src/picture/picture_file.h"}};

std::string LayerOf(const fs::path& relative) {
  for (const auto& [folder, rank] : kRank) {
    if (relative.string().rfind(folder + "/", 0) == 0) return folder;
  }
  return {};
}

struct Include {
  fs::path target;  // relative to the root
  bool qt = false;
};

// The project headers and Qt headers that file includes.
std::vector<Include> IncludesOf(const fs::path& file) {
  static const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
  static const std::regex angled(R"(^\s*#\s*include\s*<(Q[A-Za-z]*)>)");
  std::vector<Include> found;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    std::smatch m;
    if (std::regex_search(line, m, angled)) found.push_back({m[1].str(), true});
    if (!std::regex_search(line, m, quoted)) continue;
    fs::path target = kRoot / "src" / m[1].str();
    if (!fs::exists(target)) target = file.parent_path() / m[1].str();
    if (fs::exists(target)) found.push_back({fs::relative(target, kRoot)});
  }
  return found;
}

// A header and its source are one unit: the path without its extension.
std::string UnitOf(const fs::path& relative) {
  fs::path unit = relative;
  return unit.replace_extension().string();
}

TEST(Layers, EachFileIncludesOnlyItsOwnLayerAndTheOnesBeforeItAndNoCircleRunsBetweenFiles) {
  std::map<std::string, std::set<std::string>> uses;  // unit -> units it includes
  std::vector<std::string> wrong;
  for (const char* top : {"src", "tools"}) {
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / top)) {
      const fs::path file = fs::relative(entry.path(), kRoot);
      if (file.extension() != ".h" && file.extension() != ".cpp") continue;
      const std::string layer = LayerOf(file);
      ASSERT_FALSE(layer.empty()) << file << " lies in no layer";
      uses[UnitOf(file)];
      for (const Include& include : IncludesOf(entry.path())) {
        if (include.qt) {
          if (layer != "src/app" && layer != "src/picture")
            wrong.push_back(file.string() + " includes <" + include.target.string() + ">");
          continue;
        }
        const std::string to = LayerOf(include.target);
        if (kAlsoAllowed.contains({file.string(), include.target.string()})) continue;
        if (to.empty() || kRank.at(to) > kRank.at(layer) ||
            (kRank.at(to) == kRank.at(layer) && to != layer)) {
          wrong.push_back(file.string() + " includes " + include.target.string());
        }
        if (UnitOf(include.target) != UnitOf(file)) {
          uses[UnitOf(file)].insert(UnitOf(include.target));
        }
      }
    }
  }
  EXPECT_EQ(wrong, std::vector<std::string>{});

  // Depth-first search; a unit met again while still on the path closes a circle.
  std::map<std::string, int> state;  // 1 on the path, 2 done
  std::vector<std::string> path, circle;
  std::function<void(const std::string&)> visit = [&](const std::string& unit) {
    state[unit] = 1;
    path.push_back(unit);
    for (const std::string& next : uses[unit]) {
      if (!circle.empty()) break;
      if (state[next] == 1) {
        circle.assign(std::find(path.begin(), path.end(), next), path.end());
        circle.push_back(next);
      } else if (state[next] == 0) {
        visit(next);
      }
    }
    path.pop_back();
    state[unit] = 2;
  };
  for (const auto& [unit, _] : uses) {
    if (state[unit] == 0 && circle.empty()) visit(unit);
  }
  EXPECT_EQ(circle, std::vector<std::string>{});
}

}  // namespace
