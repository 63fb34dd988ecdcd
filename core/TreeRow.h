#pragma once
// A row of a check-box tree list, with one level of children: what the
// result model builds and the tree-list control shows, one type for both.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace nx {

struct TreeRow {
  std::string caption;
  std::vector<std::string> columns{};  // the columns after the caption: columns[0] is column 1
  bool checked = false;
  bool checkBoxShown = false;
  bool checkBoxEnabled = true;
  int icon = -1;                    // picture in the small image list; -1 for none
  std::vector<TreeRow> children{};  // one level: children have none
  bool expanded = false;

  bool operator==(const TreeRow&) const = default;
};

using TreeRows = std::vector<TreeRow>;

// A top-level row, or one of its children.
struct RowPath {
  std::size_t row = 0;
  std::optional<std::size_t> child{};
  bool operator==(const RowPath&) const = default;
};

}  // namespace nx
