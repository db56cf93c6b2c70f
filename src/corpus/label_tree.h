#pragma once
// The tree of sound classes: each node names a label and lists, as a comma
// list, the sound symbols that carry it.
#include <functional>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zor {

struct LabelNode {
  std::string name;
  std::string content;  // comma list of sound symbols
  bool emphasised = false;
  LabelNode* parent = nullptr;
  std::vector<std::unique_ptr<LabelNode>> children;
};

class LabelTree {
 public:
  LabelTree() = default;
  // Nodes are torn down without recursion, so a loaded file of any depth
  // cannot exhaust the stack.
  ~LabelTree();
  LabelTree(LabelTree&&) noexcept = default;
  LabelTree& operator=(LabelTree&& other) noexcept;

  bool is_empty() const { return top_level_.empty(); }
  // Replaces the tree by the default one, its root "Hang" emphasised.
  void build_default_tree();

  // Elements of the first top-level node's content; nothing when empty.
  std::vector<std::string> sound_inventory() const;
  // Names of all nodes in pre-order.
  std::vector<std::string> label_names() const;
  // Names of the nodes whose content holds the symbol, last in pre-order
  // first, joined by ",".
  std::string labels_of_sound(std::string_view symbol) const;

  // Editing. A null parent stands for the top level.
  LabelNode* add_node(LabelNode* parent, std::string name, std::string content);
  void change_node(LabelNode& node, std::string name, std::string content);
  void remove_node(LabelNode& node);  // with its whole subtree
  void clear();

  const std::vector<std::unique_ptr<LabelNode>>& top_level() const { return top_level_; }
  // Every node in pre-order.
  std::vector<const LabelNode*> preorder() const;
  // Visits every node in pre-order with its depth (0 for a top-level node).
  void visit_preorder(const std::function<void(const LabelNode&, int depth)>& visit) const;

 private:
  std::vector<std::unique_ptr<LabelNode>> top_level_;
};

// labels_of_sound for every symbol of one tree, computed once: a conversion
// asks for the labels of every sound and its six neighbours. The tree must
// not change while the index is in use.
class LabelIndex {
 public:
  explicit LabelIndex(const LabelTree& tree);
  // Same text as tree.labels_of_sound(symbol).
  const std::string& labels_of(std::string_view symbol) const;

 private:
  // A symbol of up to seven bytes (any alphabet's) and its length, packed
  // into one nonzero word: seven look-ups a sound row are a multiplication
  // and a compare or two each instead of hashing and comparing texts.
  static constexpr size_t kPackedBytes = 7;
  static std::uint64_t packed(std::string_view symbol);
  size_t first_slot(std::uint64_t key) const { return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_); }

  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  struct Slot {
    std::uint64_t key = 0;  // 0: empty
    std::uint32_t labels = 0;
  };
  std::vector<std::string> labels_;  // the label lists, each once
  std::vector<Slot> short_symbols_;  // open addressing, a power of two, at most half full
  unsigned shift_ = 0;
  std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> long_symbols_;
  std::string none_;
};

// The elements of a comma list: cut at every comma, the rest after the last
// comma is the last element (even when empty); a text that begins with a
// comma is one single element; the empty text has none.
std::vector<std::string_view> comma_list_elements(std::string_view list);
bool in_comma_list(std::string_view text, std::string_view list);

// File format: per node in pre-order, its depth in TABs, name, CR, content,
// CR LF. Saving never destroys an existing file when the write fails; both
// return false when the file cannot be opened or written.
bool save_label_tree(const LabelTree& tree, std::string_view path);
bool load_label_tree(LabelTree& tree, std::string_view path);

inline constexpr std::string_view kDefaultLabelTreeFile = "hangcimkek.txt";

// The refusal of every command that needs a label tree while it is empty,
// ending in the remedy's sentence (Windows-1250).
std::string empty_label_tree_message(std::string_view remedy);

}  // namespace zor
