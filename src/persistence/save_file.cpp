#include "persistence/save_file.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "persistence/save_record.h"

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define KALVENAR_POSIX_FILES 1
#endif

namespace fs = std::filesystem;

namespace {

std::size_t SlotOffset(int slot) {
  return static_cast<std::size_t>(slot) * kSaveRecordSize;
}

bool HoldsSlot(std::size_t fileSize, int slot) {
  return fileSize >= SlotOffset(slot) + kSaveRecordSize;
}

// A link is followed, so that saving replaces the file it points to and the
// link stays.
fs::path WrittenPath(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_symlink(path, ec)) return path;
  const fs::path target = fs::read_symlink(path, ec);
  if (ec) return path;
  return target.is_absolute() ? target : path.parent_path() / target;
}

// Two programs may save in the same folder at once (the window and the
// headless tool): each writes a temporary file of its own.
fs::path TemporaryBeside(const fs::path& target) {
  std::string name = target.filename().string();
#ifdef KALVENAR_POSIX_FILES
  name += '.';
  name += std::to_string(::getpid());
#endif
  name += ".tmp";
  return target.parent_path() / name;
}

// The bytes reach the disk before the file is put in place, so that even a
// power cut after the rename finds the new contents there.
bool FlushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
#ifdef KALVENAR_POSIX_FILES
  if (::fsync(::fileno(f)) != 0) return false;
#endif
  return true;
}

void FlushFolder([[maybe_unused]] const fs::path& folder) {
#ifdef KALVENAR_POSIX_FILES
  const std::string name = folder.empty() ? std::string(".") : folder.string();
  const int fd = ::open(name.c_str(), O_RDONLY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#endif
}

}  // namespace

std::vector<uint8_t> ContentsWithSlot(std::span<const uint8_t> old, int slot,
                                      std::span<const uint8_t> record) {
  const int other = slot == kUndoSlot ? kSavedGameSlot : kUndoSlot;
  std::vector<uint8_t> out(old.begin(), old.end());
  const std::size_t size = std::max(out.size(), SlotOffset(kSavedGameSlot) + kSaveRecordSize);
  const bool otherWhole = HoldsSlot(old.size(), other);
  out.resize(size, 0);
  std::copy(record.begin(), record.end(), out.begin() + SlotOffset(slot));
  if (!otherWhole) std::copy(record.begin(), record.end(), out.begin() + SlotOffset(other));
  return out;
}

std::optional<std::span<const uint8_t>> SlotBytes(std::span<const uint8_t> file, int slot) {
  if (slot < 0 || !HoldsSlot(file.size(), slot)) return std::nullopt;
  return file.subspan(SlotOffset(slot), kSaveRecordSize);
}

SaveFileContents DiskSaveFile::Read() const {
  std::error_code ec;
  const fs::file_status status = fs::status(path_, ec);
  if (status.type() == fs::file_type::not_found) return {SaveFileState::Missing, {}};
  if (ec || status.type() != fs::file_type::regular) return {SaveFileState::Unreadable, {}};
  std::ifstream in(path_, std::ios::binary);
  if (!in) return {SaveFileState::Unreadable, {}};
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) return {SaveFileState::Unreadable, {}};
  return {SaveFileState::Read, std::move(bytes)};
}

fs::path DiskSaveFile::TemporaryPath() const {
  return TemporaryBeside(WrittenPath(path_));
}

std::optional<fs::path> DiskSaveFile::WriteBeside(std::span<const uint8_t> bytes) const {
  const fs::path target = WrittenPath(path_);
  const fs::path temporary = TemporaryBeside(target);
  std::FILE* f = std::fopen(temporary.string().c_str(), "wb");
  if (f == nullptr) return std::nullopt;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool flushed = written && FlushToDisk(f);
  const bool closed = std::fclose(f) == 0;
  std::error_code ec;
  if (!flushed || !closed) {
    fs::remove(temporary, ec);
    return std::nullopt;
  }
  // The new file may be read by whoever could read the old one.
  const fs::file_status old = fs::status(target, ec);
  if (!ec && fs::exists(old)) fs::permissions(temporary, old.permissions(), ec);
  return temporary;
}

bool DiskSaveFile::PutInPlace(const fs::path& temporary) const {
  const fs::path target = WrittenPath(path_);
  std::error_code ec;
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return false;
  }
  FlushFolder(target.parent_path());
  return true;
}

bool DiskSaveFile::Replace(std::span<const uint8_t> bytes) {
  const std::optional<fs::path> temporary = WriteBeside(bytes);
  return temporary && PutInPlace(*temporary);
}
