#include "common/text_file.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <iconv.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <random>

#include "common/errors.h"
#include "common/messages.h"

namespace common {
namespace {

/// The system's reason for the last failure.
std::string systemReason() { return messages::systemReason(errno); }

bool isAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

/// One converter per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw Error(messages::converterMissing(from, to));
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  /// Converts as much as it can; returns false at the first byte it cannot
  /// take, leaving in/inLeft on that byte.
  bool convert(const char*& in, size_t& inLeft, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    while (inLeft > 0) {
      char* outPtr = buffer;
      size_t outLeft = sizeof buffer;
      char* inPtr = const_cast<char*>(in);
      size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      int err = errno;
      in = inPtr;
      out.append(buffer, outPtr);
      if (rc == static_cast<size_t>(-1) && err != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

Converter& fromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

Converter& toCp932() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

/// The UTF-8 character starting at text[i] (one byte when it is not UTF-8).
std::string_view utf8CharAt(std::string_view text, size_t i) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  return text.substr(i, n);
}

/// This machine's name as temporary names carry it: at most 32 characters,
/// none of them a slash.
const std::string& hostName() {
  static const std::string host = [] {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return std::string("host");
    std::string text(name, ::strnlen(name, 32));
    std::replace(text.begin(), text.end(), '/', '_');
    return text;
  }();
  return host;
}

bool allDigits(std::string_view text, size_t maxLength) {
  return !text.empty() && text.size() <= maxLength &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// Temporary files of the form written before they carried their writer
/// (".NAME.tmp" and up to six digits) count as abandoned after an hour
/// without change: no write takes that long.
constexpr time_t kOldFormAbandonedAfter = 3600;

/// True when `rest`, what follows ".NAME.tmp" in a temporary name, names a
/// writer that is gone: a process of this machine that no longer runs, or
/// (in the older form) a file untouched for an hour.
bool writerIsGone(std::string_view rest, time_t modified) {
  if (allDigits(rest, 6)) return std::time(nullptr) - modified > kOldFormAbandonedAfter;
  size_t dash = rest.find('-');
  size_t at = rest.find('@');
  if (dash == std::string_view::npos || at == std::string_view::npos || at < dash) return false;
  std::string_view pid = rest.substr(0, dash);
  if (!allDigits(pid, 9) || !allDigits(rest.substr(dash + 1, at - dash - 1), 9)) return false;
  if (rest.substr(at + 1) != hostName()) return false;
  long id = std::stol(std::string(pid));
  return id > 0 && ::kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH;
}

/// Removes what earlier, killed writes of `target` left in its folder.
void removeLeftovers(const std::string& target) {
  std::string folder = folderOf(target);
  std::string prefix = "." + target.substr(target.rfind('/') + 1) + ".tmp";
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name.substr(0, prefix.size()) != prefix) continue;
    std::string path = joinPath(folder, std::string(name));
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (writerIsGone(name.substr(prefix.size()), st.st_mtime)) ::unlink(path.c_str());
  }
  ::closedir(dir);
}

}  // namespace

std::string readFileBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError(messages::cannotOpen(path, systemReason()));
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw FileError(messages::notAFile(path));
  }
  std::string bytes;
  if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::string message = messages::cannotRead(path, systemReason());
      ::close(fd);
      throw FileError(message);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::vector<std::string_view> lines;
  lines.reserve(std::count(bytes.begin(), bytes.end(), '\n') + 1);
  size_t start = 0;
  while (start < bytes.size()) {
    size_t lf = bytes.find('\n', start);
    if (lf == std::string_view::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    size_t end = lf;
    if (end > start && bytes[end - 1] == '\r') --end;
    lines.push_back(bytes.substr(start, end - start));
    start = lf + 1;
  }
  return lines;
}

std::string decodeCp932(std::string_view bytes) {
  if (isAscii(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  const char* in = bytes.data();
  size_t left = bytes.size();
  while (!fromCp932().convert(in, left, out)) {
    out += kInvalidByte;
    ++in;
    --left;
  }
  return out;
}

bool hasInvalidBytes(std::string_view decoded) {
  return decoded.find(kInvalidByte) != std::string_view::npos;
}

std::string encodeCp932(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);
  std::string out;
  const char* in = utf8.data();
  size_t left = utf8.size();
  if (!toCp932().convert(in, left, out)) {
    std::string_view bad = utf8CharAt(utf8, static_cast<size_t>(in - utf8.data()));
    throw ConversionError(messages::notCp932(bad, utf8));
  }
  return out;
}

std::vector<std::string> decodeLines(std::string_view bytes) {
  std::vector<std::string_view> split = splitLines(bytes);
  std::vector<std::string> lines;
  lines.reserve(split.size());
  for (std::string_view line : split) lines.push_back(decodeCp932(line));
  return lines;
}

std::vector<std::string> readTextLines(const std::string& path) {
  return decodeLines(readFileBytes(path));
}

std::string encodeLines(const std::vector<std::string>& lines) {
  std::string image;
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  image.reserve(size);
  for (const std::string& line : lines) {
    image += encodeCp932(line);
    image += "\r\n";
  }
  return image;
}

std::string stagingName(const std::string& target, long pid, unsigned serial) {
  std::string name = target.substr(target.rfind('/') + 1);  // npos + 1 == 0
  return joinPath(folderOf(target), "." + name + ".tmp" + std::to_string(pid) + "-" +
                                        std::to_string(serial) + "@" + hostName());
}

StagedFile::StagedFile(std::string target)
    : target_(std::move(target)), replaced_(followLinks(target_)) {
  std::random_device random;
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temp_ = stagingName(replaced_, static_cast<long>(::getpid()), random() % 1000000);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    std::string message = messages::cannotWrite(target_, systemReason());
    temp_.clear();
    throw FileError(message);
  }
  // The replacement keeps what the user set on the old file; failing to set
  // it leaves the default mode, the data still being written.
  struct stat old {};
  if (::stat(replaced_.c_str(), &old) == 0 && S_ISREG(old.st_mode))
    (void)::fchmod(fd_, old.st_mode & 0777);
}

StagedFile::~StagedFile() { discard(); }

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      replaced_(std::move(other.replaced_)),
      temp_(std::move(other.temp_)),
      fd_(other.fd_),
      finished_(other.finished_) {
  other.fd_ = -1;
  other.temp_.clear();
}

void StagedFile::discard() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

void StagedFile::write(std::string_view bytes) {
  if (fd_ < 0) throw FileError(messages::alreadyClosed(target_));
  while (!bytes.empty()) {
    ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(messages::cannotWrite(target_, systemReason()));
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

void StagedFile::writeLine(std::string_view utf8Line) {
  std::string bytes = encodeCp932(utf8Line);
  bytes += "\r\n";
  write(bytes);
}

void StagedFile::finish() {
  if (fd_ < 0) throw FileError(messages::alreadyClosed(target_));
  bool synced = ::fsync(fd_) == 0;
  int syncError = errno;
  bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!synced || !closed) {
    if (!synced) errno = syncError;
    throw FileError(messages::cannotWrite(target_, systemReason()));
  }
  finished_ = true;
}

void StagedFile::commit() {
  if (!finished_) finish();
  if (temp_.empty()) throw FileError(messages::alreadyCommitted(target_));
  if (::rename(temp_.c_str(), replaced_.c_str()) != 0)
    throw FileError(messages::cannotReplace(target_, systemReason()));
  temp_.clear();
  removeLeftovers(replaced_);
}

void writeFileBytes(const std::string& path, std::string_view bytes) {
  StagedFile file(path);
  file.write(bytes);
  file.commit();
}

void writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string image = encodeLines(lines);  // encoding errors come before any file exists
  writeFileBytes(path, image);
}

std::string followLinks(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    char buffer[PATH_MAX];
    ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer) break;
    std::string link(buffer, static_cast<size_t>(n));
    current = link.front() == '/' ? link : joinPath(folderOf(current), link);
  }
  return current;
}

namespace {

/// The folder (made absolute, links resolved) and name of a path that may
/// not exist yet; the path as it is when its folder cannot be resolved.
std::string placeOf(const std::string& path) {
  std::string followed = followLinks(path);
  std::string folder = folderOf(followed);
  char* real = ::realpath(folder.empty() ? "." : folder.c_str(), nullptr);
  if (real == nullptr) return followed;
  std::string place = joinPath(real, followed.substr(followed.rfind('/') + 1));
  ::free(real);
  return place;
}

}  // namespace

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  bool hasA = ::stat(a.c_str(), &sa) == 0;
  bool hasB = ::stat(b.c_str(), &sb) == 0;
  if (hasA && hasB) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  if (hasA || hasB) return false;
  return placeOf(a) == placeOf(b);
}

bool pathExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

std::string folderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace common
