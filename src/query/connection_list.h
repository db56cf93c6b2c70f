#pragma once
// The sound connections of page 3: patterns of three neighbouring sounds, each
// position "<BARMI>" (any sound), "<SEMMI>" (no sound) or a label name, and
// the choices from which a new connection is composed.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "query/row_list.h"

namespace zor {

class LabelTree;

inline constexpr std::string_view kAnySound = "<BARMI>";
inline constexpr std::string_view kNoSound = "<SEMMI>";
inline constexpr std::array<std::string_view, 3> kConnectionColumns = {"Hang 1", "Hang 2", "Hang 3"};

struct SoundConnection {
  std::array<std::string, 3> values;  // in the order of kConnectionColumns

  // The values joined by ";" (also when some are empty), the form in which
  // specifications store a connection.
  std::string text() const;
  bool operator==(const SoundConnection&) const = default;
};

class ConnectionList : public RowList<SoundConnection> {
 public:
  // The connection text of every row, in list order.
  std::vector<std::string> connection_texts() const;

  // Takes the label names of the tree as the new choices. False when the
  // tree is empty: the page then shows empty_label_tree_message() and the
  // choices stay as they were.
  bool refresh_choices(const LabelTree& tree);
  // The entries of each of the three drop-down lists: "<BARMI>", "<SEMMI>",
  // then the label names of the last refresh; nothing before the first one.
  std::vector<std::string> choice_entries() const;
  // The value of drop-down entry `entry` (-1 for no selection): "<BARMI>",
  // "<SEMMI>", or a label name from the last refresh; the empty text for any
  // other entry.
  std::string value_of_choice(int entry) const;

 private:
  bool has_choices_ = false;
  std::vector<std::string> label_names_;
};

// One line per row: the three values joined by TAB, CR LF. The write never
// destroys an existing file when it fails; false then.
bool save_connections(const ConnectionList& list, std::string_view path);
// Replaces every row by the lines of the file; the choices are not touched.
// False, and the list unchanged, when the file cannot be read.
bool load_connections(ConnectionList& list, std::string_view path);

inline constexpr std::string_view kDefaultConnectionFile = "hangkapcsolatok.txt";

}  // namespace zor
