#include "corpus/label_tree.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>
#include <utility>

#include "platform/encoding.h"
#include "platform/file_io.h"

namespace zor {
namespace {

using NodeList = std::vector<std::unique_ptr<LabelNode>>;

// Destroys nodes without recursing into their subtrees.
void destroy_nodes(NodeList nodes) {
  while (!nodes.empty()) {
    std::unique_ptr<LabelNode> node = std::move(nodes.back());
    nodes.pop_back();
    for (auto& child : node->children) nodes.push_back(std::move(child));
  }
}

// Calls `found` on every element of a comma list in order, until it returns
// true; returns whether it did.
template <class Found>
bool find_comma_element(std::string_view list, Found found) {
  if (list.empty()) return false;
  // A leading comma is no separator, and then no later comma is one either.
  if (list.front() == ',') return found(list);
  size_t start = 0;
  for (;;) {
    size_t comma = list.find(',', start);
    if (comma == std::string_view::npos) return found(list.substr(start));
    if (found(list.substr(start, comma - start))) return true;
    start = comma + 1;
  }
}

size_t leading_tabs(std::string_view line) {
  size_t count = line.find_first_not_of('\t');
  return count == std::string_view::npos ? line.size() : count;
}

// The label list of a sound from the names of the nodes that hold it, in
// pre-order. Each name is put in front of the list so far with a comma, except
// while that list is still empty: leading unnamed nodes leave no trace.
std::string join_last_first(const std::vector<std::string_view>& names) {
  auto first_named = std::find_if(names.begin(), names.end(),
                                  [](std::string_view name) { return !name.empty(); });
  std::string labels;
  for (auto it = names.end(); it != first_named;) {
    --it;
    if (it + 1 != names.end()) labels += ',';
    labels += *it;
  }
  return labels;
}

struct DefaultNode {
  const char* name;
  int parent;  // index into the table, -1 for the top level
  const char* content;
};

constexpr DefaultNode kDefaultTree[] = {
    {"Hang", -1,
     "_,A:,a,o,u,U,i,E:,O,e,b,p,d,t,g,k,G,T,m,n,N,j,h,v,f,z,s,c,Z,S,C,l,r,o:,u:,U:,i:,O:,b:,p:,"
     "d:,t:,g:,k:,G:,T:,m:,n:,N:,j:,h:,v:,f:,z:,s:,c:,Z:,S:,C:,l:,r:"},
    {"C", 0,
     "b,p,d,t,g,k,G,T,m,n,N,j,h,v,f,z,s,c,Z,S,C,l,r,b:,p:,d:,t:,g:,k:,G:,T:,m:,n:,N:,j:,h:,v:,"
     "f:,z:,s:,c:,Z:,S:,C:,l:,r:"},
    {"Cr", 1, "b,p,d,t,g,k,G,T,m,n,N,j,h,v,f,z,s,c,Z,S,C,l,r"},
    {"Ch", 1, "b:,p:,d:,t:,g:,k:,G:,T:,m:,n:,N:,j:,h:,v:,f:,z:,s:,c:,Z:,S:,C:,l:,r:"},
    {"LR", 1, "l,r"},
    {"V", 0, "A:,a,o,u,U,i,E:,O,e,o:,u:,U:,i:,O:"},
    {"Vr", 5, "a,o,u,U,i,O,e"},
    {"Vh", 5, "A:,E:,o:,u:,U:,i:,O:"},
};

}  // namespace

std::vector<std::string_view> comma_list_elements(std::string_view list) {
  std::vector<std::string_view> elements;
  find_comma_element(list, [&](std::string_view element) {
    elements.push_back(element);
    return false;
  });
  return elements;
}

bool in_comma_list(std::string_view text, std::string_view list) {
  return find_comma_element(list, [&](std::string_view element) { return element == text; });
}

LabelTree::~LabelTree() { clear(); }

LabelTree& LabelTree::operator=(LabelTree&& other) noexcept {
  if (this != &other) {
    clear();
    top_level_ = std::move(other.top_level_);
  }
  return *this;
}

void LabelTree::build_default_tree() {
  clear();
  LabelNode* added[std::size(kDefaultTree)] = {};
  for (size_t i = 0; i < std::size(kDefaultTree); ++i) {
    const DefaultNode& node = kDefaultTree[i];
    added[i] = add_node(node.parent < 0 ? nullptr : added[node.parent], node.name, node.content);
  }
  added[0]->emphasised = true;
}

std::vector<std::string> LabelTree::sound_inventory() const {
  std::vector<std::string> symbols;
  if (is_empty()) return symbols;
  for (std::string_view element : comma_list_elements(top_level_.front()->content))
    symbols.emplace_back(element);
  return symbols;
}

std::vector<std::string> LabelTree::label_names() const {
  std::vector<std::string> names;
  visit_preorder([&](const LabelNode& node, int) { names.push_back(node.name); });
  return names;
}

std::string LabelTree::labels_of_sound(std::string_view symbol) const {
  std::vector<std::string_view> holders;
  visit_preorder([&](const LabelNode& node, int) {
    if (in_comma_list(symbol, node.content)) holders.push_back(node.name);
  });
  return join_last_first(holders);
}

LabelNode* LabelTree::add_node(LabelNode* parent, std::string name, std::string content) {
  auto node = std::make_unique<LabelNode>();
  node->name = std::move(name);
  node->content = std::move(content);
  node->parent = parent;
  NodeList& siblings = parent ? parent->children : top_level_;
  siblings.push_back(std::move(node));
  return siblings.back().get();
}

void LabelTree::change_node(LabelNode& node, std::string name, std::string content) {
  node.name = std::move(name);
  node.content = std::move(content);
}

void LabelTree::remove_node(LabelNode& node) {
  NodeList& siblings = node.parent ? node.parent->children : top_level_;
  auto found = std::find_if(siblings.begin(), siblings.end(),
                            [&](const std::unique_ptr<LabelNode>& sibling) { return sibling.get() == &node; });
  if (found == siblings.end()) return;
  NodeList doomed;
  doomed.push_back(std::move(*found));
  siblings.erase(found);
  destroy_nodes(std::move(doomed));
}

void LabelTree::clear() { destroy_nodes(std::exchange(top_level_, {})); }

std::vector<const LabelNode*> LabelTree::preorder() const {
  std::vector<const LabelNode*> nodes;
  visit_preorder([&](const LabelNode& node, int) { nodes.push_back(&node); });
  return nodes;
}

void LabelTree::visit_preorder(const std::function<void(const LabelNode&, int depth)>& visit) const {
  // An explicit stack: a loaded tree may be far deeper than the call stack.
  std::vector<std::pair<const LabelNode*, int>> pending;
  for (auto it = top_level_.rbegin(); it != top_level_.rend(); ++it) pending.emplace_back(it->get(), 0);
  while (!pending.empty()) {
    auto [node, depth] = pending.back();
    pending.pop_back();
    visit(*node, depth);
    for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
      pending.emplace_back(it->get(), depth + 1);
  }
}

LabelIndex::LabelIndex(const LabelTree& tree) {
  std::unordered_map<std::string_view, std::vector<std::string_view>> holders;
  tree.visit_preorder([&](const LabelNode& node, int) {
    // A node names a symbol once, however often its content repeats it.
    std::unordered_set<std::string_view> seen;
    find_comma_element(node.content, [&](std::string_view symbol) {
      if (seen.insert(symbol).second) holders[symbol].push_back(node.name);
      return false;
    });
  });
  size_t short_count = 0;
  for (const auto& entry : holders) short_count += entry.first.size() <= kPackedBytes ? 1 : 0;
  unsigned bits = 4;
  while ((size_t{1} << bits) < 2 * short_count) ++bits;
  short_symbols_.resize(size_t{1} << bits);
  shift_ = 64 - bits;
  for (const auto& [symbol, names] : holders) {
    const auto labels = static_cast<std::uint32_t>(labels_.size());
    labels_.push_back(join_last_first(names));
    if (symbol.size() > kPackedBytes) {
      long_symbols_.emplace(std::string(symbol), labels);
      continue;
    }
    const std::uint64_t key = packed(symbol);
    size_t at = first_slot(key);
    while (short_symbols_[at].key != 0) at = (at + 1) & (short_symbols_.size() - 1);
    short_symbols_[at] = {key, labels};
  }
}

std::uint64_t LabelIndex::packed(std::string_view symbol) {
  std::uint64_t key = static_cast<std::uint64_t>(symbol.size() + 1) << 56;
  for (size_t i = 0; i < symbol.size(); ++i) key |= std::uint64_t{static_cast<unsigned char>(symbol[i])} << (8 * i);
  return key;
}

const std::string& LabelIndex::labels_of(std::string_view symbol) const {
  if (symbol.size() > kPackedBytes) {
    auto found = long_symbols_.find(symbol);
    return found == long_symbols_.end() ? none_ : labels_[found->second];
  }
  const std::uint64_t key = packed(symbol);
  for (size_t at = first_slot(key);; at = (at + 1) & (short_symbols_.size() - 1)) {
    if (short_symbols_[at].key == key) return labels_[short_symbols_[at].labels];
    if (short_symbols_[at].key == 0) return none_;
  }
}

bool save_label_tree(const LabelTree& tree, std::string_view path) {
  std::string text;
  tree.visit_preorder([&](const LabelNode& node, int depth) {
    text.append(static_cast<size_t>(depth), '\t');
    text += node.name;
    text += '\r';
    text += node.content;
    text += '\n';
  });
  return write_file_atomically(path, text);
}

bool load_label_tree(LabelTree& tree, std::string_view path) {
  std::vector<std::string> lines;
  if (!read_text_lines(path, lines)) return false;
  tree.clear();
  if (lines.empty()) return true;

  const long long base_indent = static_cast<long long>(leading_tabs(lines.front()));
  // A line without a usable CR repeats the previous line's texts; before the
  // first such texts exist, a single space stands for both.
  std::string name = " ";
  std::string content = " ";
  LabelNode* current = nullptr;
  long long current_depth = 0;  // 0 also when there is no current node

  for (const std::string& line : lines) {
    if (line.empty()) continue;
    const size_t tabs = leading_tabs(line);
    const size_t cr = line.find('\r');
    if (cr != std::string::npos && cr > 0) {
      name = line.substr(tabs, cr - tabs);
      content = line.substr(cr + 1);
    }

    const long long level = static_cast<long long>(tabs) - base_indent;
    LabelNode* parent = nullptr;
    long long parent_depth = -1;
    if (level == current_depth) {
      if (current) {
        parent = current->parent;
        parent_depth = current_depth - 1;
      }
    } else if (level > current_depth) {
      // However much deeper the line is, it goes one level below the current node.
      parent = current;
      parent_depth = current ? current_depth : -1;
    } else {
      const long long steps = current_depth - level + 1;
      if (steps <= current_depth) {
        parent = current;
        for (long long step = 0; step < steps; ++step) parent = parent->parent;
        parent_depth = current_depth - steps;
      }
    }
    current = tree.add_node(parent, name, content);
    current_depth = parent ? parent_depth + 1 : 0;
  }
  return true;
}

std::string empty_label_tree_message(std::string_view remedy) {
  return to_cp1250("Nincs környezet megadva! ").append(remedy);
}

}  // namespace zor
