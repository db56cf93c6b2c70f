#include "query/connection_list.h"

#include "corpus/label_tree.h"
#include "query/tab_file.h"

namespace zor {

std::string SoundConnection::text() const { return values[0] + ";" + values[1] + ";" + values[2]; }

std::vector<std::string> ConnectionList::connection_texts() const {
  std::vector<std::string> texts;
  texts.reserve(count());
  for (const SoundConnection& connection : rows()) texts.push_back(connection.text());
  return texts;
}

bool ConnectionList::refresh_choices(const LabelTree& tree) {
  if (tree.is_empty()) return false;
  label_names_ = tree.label_names();
  has_choices_ = true;
  return true;
}

std::vector<std::string> ConnectionList::choice_entries() const {
  std::vector<std::string> entries;
  if (!has_choices_) return entries;
  entries.reserve(label_names_.size() + 2);
  entries.emplace_back(kAnySound);
  entries.emplace_back(kNoSound);
  entries.insert(entries.end(), label_names_.begin(), label_names_.end());
  return entries;
}

std::string ConnectionList::value_of_choice(int entry) const {
  if (entry == 0) return std::string(kAnySound);
  if (entry == 1) return std::string(kNoSound);
  if (entry < 2 || static_cast<size_t>(entry - 2) >= label_names_.size()) return {};
  return label_names_[static_cast<size_t>(entry - 2)];
}

bool save_connections(const ConnectionList& list, std::string_view path) {
  return save_tab_rows(list, path, &SoundConnection::values);
}

bool load_connections(ConnectionList& list, std::string_view path) {
  return load_tab_rows(list, path, &SoundConnection::values);
}

}  // namespace zor
