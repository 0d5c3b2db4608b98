// The file "save.dat" that holds the undo point (slot 0) and the saved game
// (slot 1), each one whole save record, one after the other with nothing
// around them.
//
// A save must never leave a damaged file behind: the new contents are
// written whole to a temporary file beside "save.dat", flushed to the disk,
// and only then renamed over it. A full disk or a crash half-way leaves the
// old file exactly as it was, both slots readable.
//
// The engine sees the file only through ISaveFile; the programs and the
// headless tool use the file on disk, tests the one in memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

inline constexpr const char* kSaveFileName = "save.dat";
constexpr int kUndoSlot = 0;
constexpr int kSavedGameSlot = 1;

enum class SaveFileState {
  Missing,     // there is no file
  Unreadable,  // it is there but cannot be opened or read
  Read,
};

struct SaveFileContents {
  SaveFileState state = SaveFileState::Missing;
  std::vector<uint8_t> bytes;
};

class ISaveFile {
 public:
  virtual ~ISaveFile() = default;
  virtual SaveFileContents Read() const = 0;
  // Replaces the whole file. Until it returns true the old contents stay as
  // they were; false when the new contents could not be written.
  virtual bool Replace(std::span<const uint8_t> bytes) = 0;
};

// The contents after writing `record` into `slot` of `old` (the current
// file, empty when there is none). The other slot keeps its bytes; when the
// file does not hold it whole yet, it gets the record too, so that a new
// file always has both slots. Bytes beyond the two slots stay.
std::vector<uint8_t> ContentsWithSlot(std::span<const uint8_t> old, int slot,
                                      std::span<const uint8_t> record);

// The bytes of `slot`, or nothing when the file is too short to hold it.
std::optional<std::span<const uint8_t>> SlotBytes(std::span<const uint8_t> file, int slot);

class DiskSaveFile final : public ISaveFile {
 public:
  // A relative path is taken from the current directory at each use.
  explicit DiskSaveFile(std::filesystem::path path = kSaveFileName) : path_(std::move(path)) {}

  SaveFileContents Read() const override;
  bool Replace(std::span<const uint8_t> bytes) override;

  // The two halves of Replace. WriteBeside writes and flushes the temporary
  // file next to the target and returns its path (nothing on failure, when
  // no temporary file is left behind); PutInPlace renames it over the target.
  std::optional<std::filesystem::path> WriteBeside(std::span<const uint8_t> bytes) const;
  bool PutInPlace(const std::filesystem::path& temporary) const;
  // Where WriteBeside writes: beside the file (beside the file a link
  // points to), under a name of this process's own.
  std::filesystem::path TemporaryPath() const;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A save file held in memory, for tests: it can be made unreadable, or made
// to refuse writing as a full disk would.
class MemorySaveFile final : public ISaveFile {
 public:
  SaveFileContents Read() const override {
    if (unreadable) return {SaveFileState::Unreadable, {}};
    if (!bytes) return {SaveFileState::Missing, {}};
    return {SaveFileState::Read, *bytes};
  }
  bool Replace(std::span<const uint8_t> b) override {
    if (refuseWriting) return false;
    bytes.emplace(b.begin(), b.end());
    ++writes;
    return true;
  }

  std::optional<std::vector<uint8_t>> bytes;  // none: no file
  bool unreadable = false;
  bool refuseWriting = false;
  int writes = 0;
};
