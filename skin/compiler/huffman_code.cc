#include "skin/compiler/huffman_code.h"

#include <algorithm>
#include <functional>
#include <queue>

namespace skin {
namespace {

// Unlimited Huffman code lengths; returns the longest.
unsigned PlainLengths(const std::vector<std::uint64_t>& AFrequencies,
                      std::vector<std::uint8_t>& ALengths) {
  struct TNode {
    std::uint64_t Weight;
    int Left, Right;
  };
  std::vector<TNode> nodes;
  using TItem = std::pair<std::uint64_t, int>;
  std::priority_queue<TItem, std::vector<TItem>, std::greater<>> queue;
  for (std::size_t s = 0; s < AFrequencies.size(); ++s) {
    if (AFrequencies[s] == 0) continue;
    nodes.push_back({AFrequencies[s], -1, static_cast<int>(s)});
    queue.push({AFrequencies[s], static_cast<int>(nodes.size() - 1)});
  }
  ALengths.assign(AFrequencies.size(), 0);
  if (nodes.empty()) return 0;
  if (nodes.size() == 1) {
    ALengths[nodes[0].Right] = 1;
    return 1;
  }
  while (queue.size() > 1) {
    auto [wa, a] = queue.top();
    queue.pop();
    auto [wb, b] = queue.top();
    queue.pop();
    nodes.push_back({wa + wb, a, b});
    queue.push({wa + wb, static_cast<int>(nodes.size() - 1)});
  }
  // Depth-first walk from the root: leaves have Left == -1.
  unsigned longest = 0;
  std::vector<std::pair<int, unsigned>> stack = {{queue.top().second, 0}};
  while (!stack.empty()) {
    auto [n, depth] = stack.back();
    stack.pop_back();
    if (nodes[n].Left < 0) {
      ALengths[nodes[n].Right] = static_cast<std::uint8_t>(depth);
      longest = std::max(longest, depth);
    } else {
      stack.push_back({nodes[n].Left, depth + 1});
      stack.push_back({nodes[n].Right, depth + 1});
    }
  }
  return longest;
}

}  // namespace

std::vector<std::uint8_t> HuffmanLengths(const std::vector<std::uint32_t>& AFrequencies,
                                         unsigned AMaxLength) {
  std::vector<std::uint64_t> freq(AFrequencies.begin(), AFrequencies.end());
  std::vector<std::uint8_t> lengths;
  while (PlainLengths(freq, lengths) > AMaxLength) {
    for (auto& f : freq) f = f == 0 ? 0 : (f + 1) / 2;
  }
  return lengths;
}

std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& ALengths) {
  unsigned count[16] = {}, next[16] = {};
  for (auto l : ALengths) ++count[l];
  count[0] = 0;
  unsigned code = 0;
  for (int bits = 1; bits < 16; ++bits) {
    code = (code + count[bits - 1]) << 1;
    next[bits] = code;
  }
  std::vector<std::uint16_t> codes(ALengths.size(), 0);
  for (std::size_t s = 0; s < ALengths.size(); ++s) {
    if (ALengths[s]) codes[s] = static_cast<std::uint16_t>(next[ALengths[s]]++);
  }
  return codes;
}

}  // namespace skin
