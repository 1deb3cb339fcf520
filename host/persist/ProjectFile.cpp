// Saving, loading and listing project files: the header with its mark,
// format number, length and checksum around the project's contents.
#include "ProjectFile.h"

#include <cstring>

#include "Checksum.h"
#include "ItemListing.h"
#include "PersistTexts.h"
#include "RegularFile.h"

namespace HostPersist {

namespace {

constexpr std::size_t kChecksumAt = 8;
constexpr std::size_t kFormatAt = 16;
constexpr std::size_t kLengthAt = 24;
/// The checksum covers everything after its own field.
constexpr std::size_t kCheckedFrom = kFormatAt;

void PutWord(std::string& bytes, std::size_t at, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}
std::uint64_t GetWord(const std::string& bytes, std::size_t at, int size) {
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

void SealProjectFile(std::string& bytes) {
  std::memcpy(&bytes[0], kProjectFileMark, sizeof kProjectFileMark);
  PutWord(bytes, kFormatAt, kProjectFileFormat, 4);
  PutWord(bytes, kFormatAt + 4, 0, 4);
  PutWord(bytes, kLengthAt, bytes.size() - kProjectFileHeaderSize, 8);
  PutWord(bytes, kChecksumAt, Checksum(bytes.data() + kCheckedFrom, bytes.size() - kCheckedFrom),
          8);
}

namespace {

/// Reads the file and checks its header and checksum; nothing of the
/// contents is interpreted before this passed. The header is judged against
/// the file's size before the contents are read: a file far longer than its
/// header says is refused at once, not after it was read whole.
bool ReadCheckedFile(const std::string& path, std::string& bytes, std::uint32_t& format,
                     std::string& error, const ReadCall& read) {
  RegularFile input(read);
  bytes.clear();
  if (!input.Open(path, error) || !input.Read(bytes, kProjectFileHeaderSize, error)) return false;
  const char* file = path.c_str();
  if (bytes.size() < kProjectFileHeaderSize) {
    error = ombform(Texts::kShorterThanHeader, file, bytes.size(), kProjectFileHeaderSize);
    return false;
  }
  if (std::memcmp(bytes.data(), kProjectFileMark, sizeof kProjectFileMark) != 0) {
    error = ombform(Texts::kBadMagic, file);
    return false;
  }
  format = static_cast<std::uint32_t>(GetWord(bytes, kFormatAt, 4));
  if (format < kFirstProjectFileFormat || format > kProjectFileFormat) {
    error = ombform(Texts::kBadFormat, file, format, kFirstProjectFileFormat, kProjectFileFormat);
    return false;
  }
  const std::uint64_t length = GetWord(bytes, kLengthAt, 8);
  const std::uint64_t held = input.Size() - kProjectFileHeaderSize;
  auto truncated = [&](std::uint64_t holds) {
    error = ombform(Texts::kTruncated, file, static_cast<unsigned long long>(length),
                    static_cast<std::size_t>(holds));
    return false;
  };
  if (length > held) return truncated(held);
  if (length < held) {
    error = ombform(Texts::kTrailing, file, static_cast<std::size_t>(held - length));
    return false;
  }
  if (!input.Read(bytes, static_cast<std::size_t>(length), error)) return false;
  // A file that shrank since it was opened holds less than it announced.
  if (bytes.size() - kProjectFileHeaderSize < length) {
    return truncated(bytes.size() - kProjectFileHeaderSize);
  }
  if (GetWord(bytes, kChecksumAt, 8) !=
      Checksum(bytes.data() + kCheckedFrom, bytes.size() - kCheckedFrom)) {
    error = ombform(Texts::kChecksumMismatch, file);
    return false;
  }
  return true;
}

}  // namespace

bool SaveProjectFile(const std::string& path, const ProjectImage& project, std::string& error) {
  return SaveProjectFile(path, project, Replacement{}, error);
}

bool SaveProjectFile(const std::string& path, const ProjectImage& project, const FileCalls& calls,
                     std::string& error) {
  return SaveProjectFile(path, project, Replacement{kProjectFileKind, {}, calls}, error);
}

bool ProjectFileBytes(const ProjectImage& project, const std::string& what, std::string& bytes,
                      std::string& error) {
  MemoryStream stream(std::string(kProjectFileHeaderSize, '\0'));
  if (!WriteProject(project, stream, what, error)) return false;
  bytes = stream.TakeBytes();
  SealProjectFile(bytes);
  return true;
}

bool SaveProjectFile(const std::string& path, const ProjectImage& project, const Replacement& how,
                     std::string& error) {
  // The whole file is built in memory first: a record that cannot be
  // written leaves the file on disk untouched.
  std::string bytes;
  return ProjectFileBytes(project, path, bytes, error) &&
         ReplaceFileAtomically(path, bytes, how, error);
}

bool LoadProjectFile(const std::string& path, ProjectImage& out, std::string& error,
                     const ReadCall& read) {
  std::string bytes;
  std::uint32_t format = 0;
  if (!ReadCheckedFile(path, bytes, format, error, read)) return false;
  MemoryStream stream(std::move(bytes), kProjectFileHeaderSize);
  return ReadProject(stream, path, out, error, format);
}

bool LoadProjectConfiguration(const std::string& path, Configuration& out, std::string& error) {
  std::string bytes;
  std::uint32_t format = 0;
  if (!ReadCheckedFile(path, bytes, format, error, SystemRead())) return false;
  if (format < kProjectFileFormat) {
    ProjectImage image;
    if (!LoadProjectFile(path, image, error)) return false;
    out = std::move(image.configuration);
    return true;
  }
  MemoryStream stream(std::move(bytes), kProjectFileHeaderSize);
  return ReadProjectConfiguration(stream, path, out, error);
}

bool ListProjectFile(const std::string& path, std::ostream& out, std::string& error) {
  std::string bytes;
  std::uint32_t format = 0;
  if (!ReadCheckedFile(path, bytes, format, error, SystemRead())) return false;
  out << ombform(Texts::kListingHeader, path.c_str(), static_cast<unsigned>(format),
                 static_cast<unsigned long long>(bytes.size() - kProjectFileHeaderSize))
      << '\n';
  MemoryStream stream(std::move(bytes), kProjectFileHeaderSize);
  std::string problem;
  if (!ListItems(stream, out, problem)) {
    error = ombform(Texts::kCorrupt, path.c_str(), problem.c_str());
    return false;
  }
  return true;
}

bool ReadProjectListing(const std::string& path, ProjectListing& out, std::string& error) {
  std::string bytes;
  if (!ReadCheckedFile(path, bytes, out.format, error, SystemRead())) return false;
  out.contentBytes = bytes.size() - kProjectFileHeaderSize;
  MemoryStream stream(std::move(bytes), kProjectFileHeaderSize);
  std::string problem;
  if (ReadItems(stream, out.items, problem)) return true;
  error = ombform(Texts::kCorrupt, path.c_str(), problem.c_str());
  return false;
}

}  // namespace HostPersist
