#pragma once
// File access in the program's own terms: Windows-1250 path names, text
// written with CR LF line ends on every platform, text read with CR LF or LF.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_stream.h"
#include "platform/replaced_file_cache.h"
#include "platform/write_behind.h"

namespace zor {

// Opens a file by its Windows-1250 name. Files are opened shared: other
// readers and writers are never locked out. Returns null on failure.
std::FILE* open_file(std::string_view path, const char* mode);

// Why an input could not be read.
enum class InputProblem { none, cannot_open, not_a_file, too_large, read_failed };
struct InputError {
  InputProblem problem = InputProblem::none;
  int os_error = 0;  // errno of a refused open

  // In words, for messages (English; the OS's own text for a refused open).
  std::string text() const;
};

// Far above any real label, text, list, specification or label-tree file, so
// that /dev/zero or a sparse file of gigabytes is refused, not read.
inline constexpr std::uint64_t kMaxInputBytes = std::uint64_t{256} << 20;

// Opens an input file for reading: only a regular file of at most max_bytes.
// A folder, FIFO or device is refused before it is opened, so a read never
// waits for a writer that does not come. Null on failure, with the reason in
// `error` when given.
std::FILE* open_input_file(std::string_view path, std::uint64_t max_bytes,
                           InputError* error = nullptr);

// Moves a file opened for reading to the byte offset from its start, beyond
// the 2 GB that fseek reaches everywhere. False when it cannot.
bool seek_input_file(std::FILE* file, std::uint64_t offset);

// Why open_input_file refuses the file now; `none` when it would open it.
InputError input_problem(std::string_view path, std::uint64_t max_bytes = kMaxInputBytes);

// Reads the whole file, as open_input_file allows it. False when it cannot
// be opened or read.
bool read_file_bytes(std::string_view path, std::string& bytes,
                     std::uint64_t max_bytes = kMaxInputBytes, InputError* error = nullptr);

// Splits text into lines: a line ends at LF, a CR directly before the LF is
// dropped, a CR elsewhere stays. A last line without LF counts when it holds
// at least one byte. Each line is cut at its first zero byte.
std::vector<std::string> split_text_lines(std::string_view text);
// The same lines as views into `text`, appended to `lines`.
void split_text_line_views(std::string_view text, std::vector<std::string_view>& lines);

// Reads a text file into lines as split_text_lines does. False when the file
// cannot be opened or read; `lines` is then left untouched.
bool read_text_lines(std::string_view path, std::vector<std::string>& lines,
                     InputError* error = nullptr);

// A text file being written. Every "\n" is stored as CR LF. The first failed
// write is remembered, so a caller can write freely and check once at close.
class TextFileWriter {
 public:
  TextFileWriter() = default;
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;
  ~TextFileWriter();

  // Creates or truncates the file.
  bool open(std::string_view path);
  // Writes into a temporary file beside `path`, which replaces `path` at
  // close only when every byte was written; until then, and after a failure
  // or a kill, the old file stays as it was. The new file keeps the
  // permissions of the old one; a link keeps pointing at the replaced file; a
  // device or pipe (such as /dev/full) is written in place, never replaced. A
  // temporary file left by a killed run is overwritten or removed. The new
  // text goes to the disk behind the writer (WriteBehind), or, for a file
  // that can wait and replaces none, when the system likes, after the run.
  enum class DiskWrites { behind_the_writer, when_the_system_likes };
  bool open_replacing(std::string_view path, DiskWrites disk_writes = DiskWrites::behind_the_writer);
  bool is_open() const { return file_ != nullptr; }

  // Every LF is written as CR LF.
  void write(std::string_view text);
  void write_line(std::string_view text);
  // Text whose line ends are CR LF already, written as it stands.
  void write_crlf_text(std::string_view text);
  // Every byte written from now on goes to the stream too, as the file
  // holds it; none when null.
  void copy_to(ByteStream* stream) { copy_ = stream; }

  // Flushes and closes (and, when replacing, puts the file in place); false
  // when any write, the flush, the close or the replacement failed, or the
  // file was deleted meanwhile. Closing a writer that never opened returns
  // false.
  bool close();
  // For writers closed as a group: flushes and closes without putting the
  // file in place, then commit() puts it there or discard() drops it.
  bool finish();
  bool commit();
  // Drops what was written: a replacing writer's target stays as it was.
  void discard();
  bool failed() const { return failed_; }

 private:
  void write_pending();
  void put_bytes(std::string_view bytes);

  std::FILE* file_ = nullptr;
  bool failed_ = false;
  // Set while replacing: the file that is replaced, the one written instead,
  // and the permissions to carry over.
  std::filesystem::path target_, temporary_;
  std::optional<std::filesystem::perms> permissions_;
  std::unique_ptr<ReplacedFileCache> replaced_;  // the replaced file's, given back as the new one grows
  std::optional<WriteBehind> write_behind_;      // while replacing
  std::uint64_t written_ = 0;
  // Text already converted to CR LF, written in large pieces: corpus tables
  // and reports are millions of short lines.
  std::string pending_;
  ByteStream* copy_ = nullptr;
};

// Closes writers opened with open_replacing as one output: every file is put
// in place when all were written, none otherwise. Returns whether each one
// failed, in order.
std::vector<bool> close_together(std::span<TextFileWriter* const> writers);

// Writes a whole text file the way open_replacing does, so a failed write
// never destroys an existing file. Readers that have the old file open go on
// reading the old text.
bool write_file_atomically(std::string_view path, std::string_view text_with_lf);

}  // namespace zor
