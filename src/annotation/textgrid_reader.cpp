#include "annotation/textgrid_reader.h"

#include "annotation/grid_source.h"
#include "annotation/praat_binary_source.h"
#include "annotation/praat_text_source.h"
#include "annotation/reason_text.h"
#include "annotation/text_decoding.h"
#include "platform/encoding.h"

namespace zor {
namespace {

constexpr std::string_view kBinaryMark = "ooBinaryFile";
constexpr std::string_view kClass = "TextGrid";

// The object whose class name has been read: a TextGrid's body, or nothing.
bool read_object(GridSource& source, const std::string& class_name, TextGrid& grid, std::string& reason) {
  if (class_name != kClass) {
    reason = "nem TextGrid, hanem " + quote_text(class_name);
    return false;
  }
  TextGrid result;
  if (!read_grid_body(source, result, reason)) return false;
  grid = std::move(result);
  return true;
}

bool parse_binary(std::string_view bytes, TextGrid& grid, std::string& reason) {
  PraatBinarySource source(bytes, kBinaryMark.size());
  std::string name;
  if (!source.class_name(name)) {
    reason = source.problem();
    return false;
  }
  return read_object(source, name, grid, reason);
}

bool parse_text(std::string_view bytes, TextGrid& grid, std::string& reason) {
  const std::string text = decode_text_file(bytes);
  PraatTextSource source(text);
  std::string file_type, name;
  // Praat takes any first line that holds "ooTextFile"; older versions wrote
  // "ooTextFile short" for the short form.
  if (!source.text(file_type) || file_type.rfind("ooTextFile", 0) != 0) {
    reason = "nem Praat-szövegfájl (az első szöveg nem \"ooTextFile\")";
    return false;
  }
  if (!source.text(name)) {
    reason = source.problem();
    return false;
  }
  return read_object(source, name, grid, reason);
}

}  // namespace

bool parse_textgrid(std::string_view bytes, TextGrid& grid, std::string& reason) {
  std::string why;
  bool ok = bytes.substr(0, kBinaryMark.size()) == kBinaryMark ? parse_binary(bytes, grid, why)
                                                               : parse_text(bytes, grid, why);
  if (!ok) reason = to_cp1250("Hibás TextGrid: " + why);
  return ok;
}

}  // namespace zor
