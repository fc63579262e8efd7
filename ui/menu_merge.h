// How an MDI parent's menu bar takes in the active child's menu: by group
// index. The child's top-level items replace the parent's items of the same
// group indexes, and are inserted after the last remaining parent item whose
// group index is below the first child item's. Portable.
//
// Thread safety: a pure function.
#ifndef QUILLORY_UI_MENU_MERGE_H_
#define QUILLORY_UI_MENU_MERGE_H_

#include <algorithm>
#include <set>
#include <vector>

namespace ui {

// TItem has an int GroupIndex. The result points into both lists.
template <typename TItem>
std::vector<const TItem*> MergeByGroupIndex(const std::vector<TItem>& AParent,
                                            const std::vector<TItem>& AChild) {
  std::vector<const TItem*> merged;
  std::set<int> child_groups;
  for (const TItem& item : AChild) child_groups.insert(item.GroupIndex);
  for (const TItem& item : AParent) {
    if (!child_groups.count(item.GroupIndex)) merged.push_back(&item);
  }
  if (AChild.empty()) return merged;
  const int first = AChild.front().GroupIndex;
  auto at = merged.begin();
  for (auto it = merged.begin(); it != merged.end(); ++it) {
    if ((*it)->GroupIndex < first) at = it + 1;
  }
  std::vector<const TItem*> children;
  for (const TItem& item : AChild) children.push_back(&item);
  merged.insert(at, children.begin(), children.end());
  return merged;
}

}  // namespace ui

#endif  // QUILLORY_UI_MENU_MERGE_H_
