#include "platform/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/encoding.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace zor {
std::FILE* open_file(std::string_view path, const char* mode) {
  // fopen does not lock; the file is shared with other readers and writers.
  return std::fopen(native_file_name(path).c_str(), mode);
}

std::FILE* open_input_file(std::string_view path, std::uint64_t max_bytes, InputError* error) {
  auto fail = [error](InputProblem why, int os_error = 0) -> std::FILE* {
    if (error) *error = {why, os_error};
    return nullptr;
  };
  namespace fs = std::filesystem;
  std::error_code status_error;
  const std::string native = native_file_name(path);
  fs::file_status status = fs::status(native, status_error);
  if (status_error) return fail(InputProblem::cannot_open, status_error.value());
  if (!fs::is_regular_file(status)) return fail(InputProblem::not_a_file);
  std::FILE* file = std::fopen(native.c_str(), "rb");
  if (!file) return fail(InputProblem::cannot_open, errno);
#ifndef _WIN32
  // The name may have been given to something else since it was looked at.
  struct stat opened;
  if (fstat(fileno(file), &opened) != 0 || !S_ISREG(opened.st_mode)) {
    std::fclose(file);
    return fail(InputProblem::not_a_file);
  }
  const std::uint64_t size = static_cast<std::uint64_t>(opened.st_size);
#else
  const std::uint64_t size = fs::file_size(native, status_error);
#endif
  if (size > max_bytes) {
    std::fclose(file);
    return fail(InputProblem::too_large);
  }
  if (error) *error = {};
  return file;
}

bool seek_input_file(std::FILE* file, std::uint64_t offset) {
#ifdef _WIN32
  return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

InputError input_problem(std::string_view path, std::uint64_t max_bytes) {
  InputError error;
  if (std::FILE* file = open_input_file(path, max_bytes, &error)) std::fclose(file);
  return error;
}

std::string InputError::text() const {
  switch (problem) {
    case InputProblem::none: return "no error";
    case InputProblem::cannot_open: return std::strerror(os_error);
    case InputProblem::not_a_file: return "not a regular file";
    case InputProblem::too_large: return "too large for a file of this kind";
    case InputProblem::read_failed: return "read error";
  }
  return {};
}

bool read_file_bytes(std::string_view path, std::string& bytes, std::uint64_t max_bytes,
                     InputError* error) {
  std::FILE* file = open_input_file(path, max_bytes, error);
  if (!file) return false;
  // Straight into the result, in blocks that grow with the file: its size is
  // not asked for, as it may change while it is read.
  std::string result;
  size_t block = 4096;
  for (;;) {
    size_t used = result.size();
    result.resize(used + block);
    size_t got = std::fread(result.data() + used, 1, block, file);
    result.resize(used + got);
    if (got < block || result.size() > max_bytes) break;
    block = std::min(block * 2, size_t{1} << 24);
  }
  // A file that grew past the cap while it was read is refused too.
  bool ok = !std::ferror(file) && result.size() <= max_bytes;
  std::fclose(file);
  if (ok) bytes = std::move(result);
  if (!ok && error)
    *error = {result.size() > max_bytes ? InputProblem::too_large : InputProblem::read_failed, 0};
  return ok;
}

void split_text_line_views(std::string_view text, std::vector<std::string_view>& lines) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    bool has_lf = end != std::string_view::npos;
    if (!has_lf) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (has_lf && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line.substr(0, line.find('\0')));
    start = end + 1;
  }
}

std::vector<std::string> split_text_lines(std::string_view text) {
  std::vector<std::string_view> views;
  split_text_line_views(text, views);
  return std::vector<std::string>(views.begin(), views.end());
}

bool read_text_lines(std::string_view path, std::vector<std::string>& lines, InputError* error) {
  std::string bytes;
  if (!read_file_bytes(path, bytes, kMaxInputBytes, error)) return false;
  lines = split_text_lines(bytes);
  return true;
}

TextFileWriter::~TextFileWriter() {
  // A replacing writer that was never closed did not finish its output.
  if (!temporary_.empty())
    discard();
  else if (file_)
    close();
}

bool TextFileWriter::open(std::string_view path) {
  if (file_) close();
  failed_ = false;
  pending_.clear();
  target_.clear();
  temporary_.clear();
  permissions_.reset();
  replaced_.reset();
  write_behind_.reset();
  written_ = 0;
  file_ = open_file(path, "wb");
  if (file_) std::setvbuf(file_, nullptr, _IONBF, 0);
  return file_ != nullptr;
}

bool TextFileWriter::open_replacing(std::string_view path, DiskWrites disk_writes) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path target = native_file_name(path);
  // Through a link the linked file is replaced, and the link stays.
  if (fs::is_symlink(target, error)) {
    fs::path linked = fs::canonical(target, error);
    if (!error) target = linked;
  }
  fs::file_status status = fs::status(target, error);
  // A device or a pipe cannot be replaced by renaming (and must not be).
  if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status))
    return open(from_native_file_name(target.string()));

  fs::path temporary = target;
  temporary += ".zor-tmp";
  if (!open(from_native_file_name(temporary.string()))) return false;
  if (fs::is_regular_file(status)) replaced_ = std::make_unique<ReplacedFileCache>(target);
  if (disk_writes == DiskWrites::behind_the_writer) write_behind_.emplace(file_);
  target_ = std::move(target);
  temporary_ = std::move(temporary);
  if (fs::exists(status)) permissions_ = status.permissions();
  return true;
}

namespace {
constexpr size_t kWritePiece = 1 << 16;
}  // namespace

void TextFileWriter::write(std::string_view text) {
  if (!file_ || failed_) {
    failed_ = true;
    return;
  }
  while (!text.empty()) {
    size_t lf = text.find('\n');
    pending_.append(text.substr(0, lf));
    if (lf == std::string_view::npos) break;
    pending_.append("\r\n");
    text.remove_prefix(lf + 1);
    if (pending_.size() >= kWritePiece) write_pending();
  }
  if (pending_.size() >= kWritePiece) write_pending();
}

void TextFileWriter::write_line(std::string_view text) {
  write(text);
  write("\n");
}

void TextFileWriter::write_crlf_text(std::string_view text) {
  if (!file_ || failed_) {
    failed_ = true;
    return;
  }
  write_pending();
  put_bytes(text);
  if (copy_) copy_->write(text);
}

void TextFileWriter::write_pending() {
  put_bytes(pending_);
  if (copy_)
    copy_->pass(pending_);
  else
    pending_.clear();
}

void TextFileWriter::put_bytes(std::string_view bytes) {
  if (bytes.empty()) return;
  if (replaced_) replaced_->release_before(written_ + bytes.size());
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
  written_ += bytes.size();
  if (write_behind_) write_behind_->written(written_);
}

namespace {

// Whether the file was deleted while being written, its folder removed for
// instance: the writes then succeed but the text is lost with the file. (On
// Windows an open file cannot be deleted.)
bool was_deleted(std::FILE* file) {
#ifdef _WIN32
  (void)file;
  return false;
#else
  struct stat status;
  return fstat(fileno(file), &status) == 0 && status.st_nlink == 0;
#endif
}

}  // namespace

bool TextFileWriter::finish() {
  if (!file_) return false;
  if (!failed_) write_pending();
  // Held no longer: the replaced file goes at the renaming, not when the writer does.
  replaced_.reset();
  write_behind_.reset();
  if (std::fflush(file_) != 0) failed_ = true;
  if (was_deleted(file_)) failed_ = true;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

bool TextFileWriter::commit() {
  if (temporary_.empty()) return !failed_;
  std::error_code error;
  if (!failed_ && permissions_) std::filesystem::permissions(temporary_, *permissions_, error);
  if (!failed_) std::filesystem::rename(temporary_, target_, error);
  if (failed_ || error) {
    discard();
    failed_ = true;
    return false;
  }
  temporary_.clear();
  return true;
}

void TextFileWriter::discard() {
  if (file_) finish();
  failed_ = true;
  if (temporary_.empty()) return;
  std::error_code error;
  std::filesystem::remove(temporary_, error);
  temporary_.clear();
}

bool TextFileWriter::close() {
  if (!file_) return false;
  bool finished = finish();
  return commit() && finished;
}

std::vector<bool> close_together(std::span<TextFileWriter* const> writers) {
  std::vector<bool> failed;
  bool all_finished = true;
  for (TextFileWriter* writer : writers) {
    failed.push_back(!writer->finish());
    all_finished = all_finished && !failed.back();
  }
  for (size_t i = 0; i < writers.size(); ++i) {
    if (all_finished)
      failed[i] = !writers[i]->commit();
    else
      writers[i]->discard();
  }
  return failed;
}

bool write_file_atomically(std::string_view path, std::string_view text_with_lf) {
  TextFileWriter writer;
  if (!writer.open_replacing(path)) return false;
  writer.write(text_with_lf);
  return writer.close();
}

}  // namespace zor
