// Text files as the programs see them: CP932 on disk, UTF-8 in memory, CR LF
// after every written line, and writes that never leave a half-written file.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace common {

/// Stands in a decoded line for each byte that is not valid CP932 (U+FFFD:
/// no valid CP932 text decodes to it). It fails any number it is part of and
/// is harmless in ignored fields and lines.
inline constexpr std::string_view kInvalidByte = "\xEF\xBF\xBD";

/// The whole file's bytes. Throws FileError naming the file.
std::string readFileBytes(const std::string& path);

/// Splits bytes into lines: a line ends at LF, one CR right before the LF
/// belongs to the terminator (a lone CR elsewhere stays), a UTF-8 byte-order
/// mark at the start is skipped, a final terminator adds no empty line.
std::vector<std::string_view> splitLines(std::string_view bytes);

/// CP932 bytes to UTF-8; each invalid byte becomes kInvalidByte.
std::string decodeCp932(std::string_view bytes);

/// True when a decoded text holds a placeholder for an invalid byte.
bool hasInvalidBytes(std::string_view decoded);

/// UTF-8 to CP932. A character CP932 cannot hold (or text that is not UTF-8)
/// throws ConversionError naming it.
std::string encodeCp932(std::string_view utf8);

/// splitLines + decodeCp932 of every line: a file image as UTF-8 lines.
std::vector<std::string> decodeLines(std::string_view bytes);

/// readFileBytes + decodeLines.
std::vector<std::string> readTextLines(const std::string& path);

/// The file image of a list of UTF-8 lines: CP932, CR LF after each line.
std::string encodeLines(const std::vector<std::string>& lines);

/// A file written under a temporary name in the target's folder and put in
/// place by commit(); dropped without commit(), the temporary file goes and
/// the target stays as it was. Several staged files can be committed in turn.
class StagedFile {
 public:
  /// Creates the temporary file (mode 0666 less umask). Throws FileError.
  explicit StagedFile(std::string target);
  ~StagedFile();
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&&) = delete;
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  /// Appends raw bytes. Throws FileError.
  void write(std::string_view bytes);
  /// Appends one UTF-8 line, encoded to CP932, with CR LF.
  void writeLine(std::string_view utf8Line);
  /// Flushes and closes the temporary file, so that committing several files
  /// in turn can no longer fail before the first rename. Throws FileError.
  void finish();
  /// Finishes (when not done yet) and renames onto the target. Throws FileError.
  void commit();

  const std::string& target() const { return target_; }

 private:
  void discard() noexcept;

  std::string target_;
  std::string temp_;
  int fd_ = -1;
  bool finished_ = false;
};

/// Writes the lines (CP932, CR LF each) to path atomically.
void writeTextLines(const std::string& path, const std::vector<std::string>& lines);

/// Writes bytes to path atomically.
void writeFileBytes(const std::string& path, std::string_view bytes);

/// True when a directory entry of exactly that name exists (a folder counts).
bool pathExists(const std::string& path);

/// The folder part of a path as given: "" for a bare name, "/" for a name in
/// the root, else everything before the last '/'.
std::string folderOf(const std::string& path);

/// folder + "/" + name, or name alone when folder is "".
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace common
