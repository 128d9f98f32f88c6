#include "io/circuit_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "io/replace_file.h"
#include "model/fields.h"
#include "model/gatekinds.h"

namespace tessara {
namespace {

constexpr double kVersion = 0.3;
constexpr const char* kHeaderLines[] = {"Tessara", "Orvandel", "Quillmarsh"};
constexpr const char* kVersionLabel = "Version";
constexpr const char* kContext = "Files";  // of the reasons
constexpr const char* kNotACircuit = TESSARA_PHRASE("Files", "not a Tessara circuit file");

// A control character no text file holds: anything below a space but tab, LF and CR.
bool HoldsBinary(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7f;
  });
}

// Reads gate record i into doc: a used record of a kind 2..10 puts that kind into the
// slot; any other record leaves the slot as the reset made it.
void ReadGateRecord(FieldReader& fd, Document& doc, std::int16_t i) {
  const std::int32_t code = fd.Int32();
  const float x = fd.Float();
  const float y = fd.Float();
  const bool used = fd.Flag();
  const std::int32_t orientation = fd.Int32();
  if (fd.Failed() || !used || code == kNoGate) return;
  if (auto g = MakeGate(code)) {
    g->ReadData(x, y, true, orientation);
    doc.PutGate(i, std::move(g));
  }
}

// step, a pattern with the system's reason as %1: "cannot read: File too large".
TextResult Failure(const char* step, int error) {
  return TextResult{std::nullopt, FileError{Words(kContext, step, std::strerror(error)), 0}};
}

// Everything fd holds up to its end, at most limit bytes.
TextResult ReadAll(int fd, std::size_t limit) {
  std::string text;
  char buf[8192];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failure(TESSARA_PHRASE("Files", "cannot read: %1"), errno);
    if (n == 0) break;
    text.append(buf, static_cast<std::size_t>(n));
    if (text.size() > limit) return Failure(TESSARA_PHRASE("Files", "cannot read: %1"), EFBIG);
  }
  return {std::move(text), {}};
}

}  // namespace

std::string WriteCircuit(const Document& doc) {
  std::string text;
  text.reserve(4096);
  FieldWriter fd(text);
  for (const char* line : kHeaderLines) {
    fd.Text(line);
    fd.EndRecord();
  }
  fd.Text(kVersionLabel);
  fd.Real(kVersion);
  fd.EndRecord();
  for (std::int16_t i = 0; i < kSlotCount; ++i) doc.Gates(i).WriteToFile(fd, kVersion);
  for (std::int16_t i = 0; i < kSlotCount; ++i) doc.Links(i).WriteToFile(fd, kVersion);
  return text;
}

LoadResult ReadCircuit(std::string_view text) {
  FieldReader fd(text);
  for (std::size_t i = 0; i < std::size(kHeaderLines); ++i) fd.Text();
  fd.Text();  // the version's label
  const double version = fd.Real();
  if (fd.Failed()) return {std::nullopt, FileError{Words(kContext, kNotACircuit), 1}};
  Document doc;
  for (std::int16_t i = 0; i < kSlotCount; ++i) ReadGateRecord(fd, doc, i);
  for (std::int16_t i = 0; i < kSlotCount; ++i) doc.EditLink(i).ReadFromFile(fd, version);
  if (fd.Failed() && HoldsBinary(text)) {
    return {std::nullopt, FileError{Words(kContext, kNotACircuit), 1}};
  }
  if (fd.Failed()) return {std::nullopt, FileError{fd.Reason(), fd.FailureLine()}};
  return {std::move(doc), {}};
}

TextResult ReadFileText(const std::string& path, std::size_t limit) {
  // Non-blocking, so that a named pipe with no writer is refused instead of waited on.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Failure(TESSARA_PHRASE("Files", "cannot open: %1"), errno);
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    if (S_ISDIR(status.st_mode)) return Failure(TESSARA_PHRASE("Files", "cannot open: %1"), EISDIR);
    return TextResult{
        std::nullopt,
        FileError{Words(kContext, TESSARA_PHRASE("Files", "cannot open: not a regular file")), 0}};
  }
  TextResult read = ReadAll(fd, limit);
  close(fd);
  return read;
}

TextResult ReadStandardInput(std::size_t limit) { return ReadAll(STDIN_FILENO, limit); }

LoadResult LoadCircuitFile(const std::string& path) {
  TextResult read = ReadFileText(path);
  if (!read.text) return {std::nullopt, std::move(read.error)};
  return ReadCircuit(*read.text);
}

std::optional<FileError> SaveCircuitFile(const Document& doc, const std::string& path) {
  if (auto reason = ReplaceFile(path, WriteCircuit(doc))) return FileError{std::move(*reason), 0};
  return std::nullopt;
}

std::string Describe(const FileError& error) {
  if (error.line == 0) return error.reason.English();
  return "line " + std::to_string(error.line) + ": " + error.reason.English();
}

std::string Describe(const std::string& path, const FileError& error) {
  return path + ": " + Describe(error);
}

}  // namespace tessara
