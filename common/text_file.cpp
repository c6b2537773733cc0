#include "common/text_file.h"

#include <errno.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "common/errors.h"

namespace common {
namespace {

std::string systemError(const std::string& what, const std::string& path) {
  return path + ": " + what + " (" + std::strerror(errno) + ")";
}

bool isAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

/// One converter per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw Error(std::string("the text converter ") + from + " -> " + to + " is not available");
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

}  // namespace

std::string readFileBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError(systemError("cannot open the file", path));
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw FileError(path + ": is a folder, not a file");
  }
  std::string bytes;
  if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::string message = systemError("cannot read the file", path);
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
    throw ConversionError("the character \"" + std::string(bad) +
                          "\" cannot be written in the file's code page (CP932), in \"" +
                          std::string(utf8) + "\"");
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

StagedFile::StagedFile(std::string target) : target_(std::move(target)) {
  std::string folder = folderOf(target_);
  std::string name = target_.substr(target_.rfind('/') + 1);  // npos + 1 == 0
  std::random_device random;
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temp_ = joinPath(folder, "." + name + ".tmp" + std::to_string(random() % 1000000));
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    std::string message = systemError("cannot write the file", target_);
    temp_.clear();
    throw FileError(message);
  }
}

StagedFile::~StagedFile() { discard(); }

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)),
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
  if (fd_ < 0) throw FileError(target_ + ": the file is already closed");
  while (!bytes.empty()) {
    ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(systemError("cannot write the file", target_));
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
  if (fd_ < 0) throw FileError(target_ + ": the file is already closed");
  bool synced = ::fsync(fd_) == 0;
  int syncError = errno;
  bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!synced || !closed) {
    if (!synced) errno = syncError;
    throw FileError(systemError("cannot write the file", target_));
  }
  finished_ = true;
}

void StagedFile::commit() {
  if (!finished_) finish();
  if (temp_.empty()) throw FileError(target_ + ": the file is already committed");
  if (::rename(temp_.c_str(), target_.c_str()) != 0)
    throw FileError(systemError("cannot replace the file", target_));
  temp_.clear();
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
