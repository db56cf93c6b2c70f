#include "query/connection_list.h"

#include "platform/file_io.h"
#include "corpus/label_tree.h"
#include "query/tab_fields.h"

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
  std::string text;
  for (const SoundConnection& connection : list.rows()) append_tab_line(text, connection.values);
  return write_file_atomically(path, text);
}

bool load_connections(ConnectionList& list, std::string_view path) {
  std::vector<std::string> lines;
  if (!read_text_lines(path, lines)) return false;
  std::vector<SoundConnection> rows(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) split_tab_fields(lines[i], rows[i].values);
  list.assign(std::move(rows));
  return true;
}

}  // namespace zor
