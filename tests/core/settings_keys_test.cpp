#include "core/settings_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "readme_settings_keys.h"

namespace wv {
namespace {

// The `quoted` names of one cell of the table.
std::vector<std::string> Quoted(std::string_view cell) {
  std::vector<std::string> names;
  for (std::size_t open = cell.find('`'); open != std::string_view::npos;) {
    const std::size_t close = cell.find('`', open + 1);
    names.emplace_back(cell.substr(open + 1, close - open - 1));
    open = cell.find('`', close + 1);
  }
  return names;
}

// "`CustomMap1` … `CustomMap16`" stands for all sixteen.
std::vector<std::string> Sections(std::string_view cell) {
  std::vector<std::string> names = Quoted(cell);
  if (cell.find("…") == std::string_view::npos) return names;
  const std::size_t digits = names.front().find_first_of("0123456789");
  const std::string prefix = names.front().substr(0, digits);
  const int first = std::stoi(names.front().substr(digits));
  const int last = std::stoi(names.back().substr(digits));
  names.clear();
  for (int n = first; n <= last; ++n) names.push_back(prefix + std::to_string(n));
  return names;
}

struct Row {
  std::vector<std::string> sections;
  std::vector<std::string> keys;
  std::vector<std::string> defaults;  // none where the table states no value
  std::string written;                // "(`…`)": the template's, where it differs
  std::string atPress;                // "(`…` at a press)": what a press reads
  bool writtenStated = false;
};

std::vector<Row> TableRows() {
  std::vector<Row> rows;
  std::istringstream lines{std::string(kReadmeSettingsKeys)};
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("| `")) continue;
    std::vector<std::string_view> cells;
    for (std::size_t from = 1, bar; (bar = line.find('|', from)) != std::string::npos;
         from = bar + 1) {
      cells.push_back(std::string_view(line).substr(from, bar - from));
    }
    Row row;
    row.sections = Sections(cells.at(0));
    row.keys = Quoted(cells.at(1));
    const std::string_view defaults = cells.at(3);
    const std::string_view head = defaults.substr(0, defaults.find(" ("));
    if (head.find("empty") != std::string_view::npos) {
      row.defaults.assign(row.keys.size(), "");
    } else if (head.find('`') != std::string_view::npos) {
      row.defaults = Quoted(head);
      if (row.defaults.size() == 1) row.defaults.assign(row.keys.size(), row.defaults.front());
    }
    if (const std::size_t paren = defaults.find(" ("); paren != std::string_view::npos) {
      const std::string value = Quoted(defaults.substr(paren)).at(0);
      if (defaults.find("at a press") != std::string_view::npos) {
        row.atPress = value;
      } else {
        row.written = value;
        row.writtenStated = true;
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// The README's table of keys and the declarations tell the same: every
// declared key is documented in its section, every documented key is declared,
// and the defaults stated agree with what a missing key reads as and what a
// fresh file writes.
TEST(SettingsKeysTest, ReadmeTableMatchesTheDeclarations) {
  const std::vector<DeclaredKey> declared = DeclaredKeys();
  const std::vector<Row> rows = TableRows();
  ASSERT_GE(rows.size(), 20u);
  std::vector<bool> documented(declared.size());
  for (const Row& row : rows) {
    if (!row.defaults.empty()) {
      ASSERT_EQ(row.defaults.size(), row.keys.size()) << row.keys[0];
    }
    for (const std::string& section : row.sections) {
      for (std::size_t k = 0; k < row.keys.size(); ++k) {
        const std::string where = "[" + section + "] " + row.keys[k];
        const auto it = std::ranges::find_if(declared, [&](const DeclaredKey& d) {
          return d.section == section && d.name == row.keys[k];
        });
        ASSERT_TRUE(it != declared.end()) << where << " is documented but not declared";
        documented[static_cast<std::size_t>(it - declared.begin())] = true;
        if (row.defaults.empty()) continue;
        EXPECT_EQ(it->fallback, row.atPress.empty() ? row.defaults[k] : row.atPress) << where;
        if (row.writtenStated) {
          EXPECT_EQ(it->written, row.written) << where;
        } else if (!it->written.empty()) {
          EXPECT_EQ(it->written, row.defaults[k]) << where;
        }
      }
    }
  }
  for (std::size_t i = 0; i < declared.size(); ++i) {
    EXPECT_TRUE(documented[i]) << "[" << declared[i].section << "] " << declared[i].name
                               << " is declared but not documented";
  }
}

}  // namespace
}  // namespace wv
