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
/// A target that is a symbolic link is followed: the file it names is
/// replaced and the link stays. The new file takes the permission bits of the
/// file it replaces (a new file gets 0666 less umask). A commit removes the
/// temporary files that earlier writes of the same target left behind when
/// their process died; those of running writers stay.
class StagedFile {
 public:
  /// Creates the temporary file. Throws FileError.
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

  /// The target as given (messages name it).
  const std::string& target() const { return target_; }

 private:
  void discard() noexcept;

  std::string target_;
  std::string replaced_;  // the file the rename replaces: target_ with links followed
  std::string temp_;
  int fd_ = -1;
  bool finished_ = false;
};

/// The temporary name a write of `target` (links already followed) by the
/// process `pid` uses, `serial` making it unique within that process:
/// ".NAME.tmp<pid>-<serial>@<host>" in the target's folder.
std::string stagingName(const std::string& target, long pid, unsigned serial);

/// Writes the lines (CP932, CR LF each) to path atomically.
void writeTextLines(const std::string& path, const std::vector<std::string>& lines);

/// Writes bytes to path atomically.
void writeFileBytes(const std::string& path, std::string_view bytes);

/// The path with symbolic links of its last part followed (up to 40 links; a
/// relative link is taken from the link's folder). A path that is no link,
/// or does not exist, comes back as it is.
std::string followLinks(const std::string& path);

/// True when both names lead to the same file: the same device and inode
/// when both exist, else the same folder and name once links are followed.
bool sameFile(const std::string& a, const std::string& b);

/// True when a directory entry of exactly that name exists (a folder counts).
bool pathExists(const std::string& path);

/// The folder part of a path as given: "" for a bare name, "/" for a name in
/// the root, else everything before the last '/'.
std::string folderOf(const std::string& path);

/// folder + "/" + name, or name alone when folder is "".
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace common
