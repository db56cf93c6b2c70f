// The label-tree file: any bytes load without a crash; the labels of every
// symbol agree between the tree walk and the conversion's index; a saved
// tree loads back with the same number of nodes in the same order.
#include <cstdint>

#include "fuzz_files.h"
#include "corpus/label_tree.h"

namespace {

// Saving writes each node's texts as they are, so a node reads back as itself
// only when its texts keep the line format.
bool saves_verbatim(const zor::LabelNode& node) {
  auto plain = [](const std::string& text) { return text.find_first_of("\r\n\t") == std::string::npos; };
  return !node.name.empty() && plain(node.name) && plain(node.content);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace zor;
  std::string path = fuzz::write_scratch_file("hangcimkek.txt", fuzz::as_bytes(data, size));
  LabelTree tree;
  fuzz::expect(load_label_tree(tree, path), "an existing file did not load");

  std::vector<const LabelNode*> nodes = tree.preorder();
  fuzz::expect(nodes.size() <= size, "more nodes than bytes");
  fuzz::expect(tree.label_names().size() == nodes.size(), "label names and nodes differ");
  LabelIndex index(tree);
  for (const std::string& symbol : tree.sound_inventory()) {
    fuzz::expect(index.labels_of(symbol) == tree.labels_of_sound(symbol),
                 "the label index disagrees with the tree");
  }

  std::string saved_path = fuzz::scratch_path("saved.txt");
  fuzz::expect(save_label_tree(tree, saved_path), "saving failed");
  LabelTree reloaded;
  fuzz::expect(load_label_tree(reloaded, saved_path), "the saved file did not load");
  bool verbatim = true;
  for (const LabelNode* node : nodes) verbatim = verbatim && saves_verbatim(*node);
  if (verbatim) {
    std::vector<const LabelNode*> again = reloaded.preorder();
    fuzz::expect(again.size() == nodes.size(), "a saved tree reads back with other nodes");
    for (size_t i = 0; i < nodes.size(); ++i) {
      fuzz::expect(again[i]->name == nodes[i]->name && again[i]->content == nodes[i]->content,
                   "a saved node reads back differently");
      fuzz::expect((again[i]->parent == nullptr) == (nodes[i]->parent == nullptr),
                   "a saved node changes its level");
    }
  }
  return 0;
}
