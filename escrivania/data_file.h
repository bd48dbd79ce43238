// The bookkeeping file being written. Lines are gathered in a buffer in memory; a full buffer goes
// to the disk from a thread of its own while the next one fills, so that callers seldom wait for
// the disk. On Windows the buffers are written by the caller: a program may end without closing
// the file, and its other threads are gone by then, so the last buffers could not be waited for.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>

namespace escrivania {

class DataFile {
 public:
  // Bytes of one buffer, and bytes after them that may be read (never kept).
  static constexpr std::size_t kBufferSize = std::size_t{1} << 20;
  static constexpr std::size_t kSlack = 32;

  DataFile();
  ~DataFile();
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;

  // Creates (or empties) the file; false when it cannot.
  bool open(const std::filesystem::path& path);
  bool isOpen() const { return stream_.is_open(); }

  // Whether `bound` more bytes fit in the buffer.
  bool fits(std::size_t bound) const { return used_ + bound <= kBufferSize; }
  // Room for `bound` more bytes (at most kBufferSize) at the end of the buffer, after passing the
  // buffer on when it has less left; kSlack bytes after the room may be read.
  char* room(std::size_t bound) {
    if (used_ + bound > kBufferSize) flush();
    return buffers_[current_].get() + used_;
  }
  // Keeps n bytes written at room().
  void keep(std::size_t n) { used_ += n; }
  // Passes the buffer on to be written.
  void flush();
  // Writes bytes that are not in the buffer, after everything passed on before.
  void writeDirectly(const char* data, std::size_t n);
  // Waits until every byte passed on is written; false when a write has failed.
  bool sync();
  // Writes what is left and closes the file; false when a write or the closing failed.
  bool close();
  // Whether a write has failed so far.
  bool failed() const { return failed_.load(std::memory_order_relaxed); }

 private:
  void run();
  void writeOut(const char* data, std::size_t n);
  void stopThread();

  std::ofstream stream_;
  std::array<std::unique_ptr<char[]>, 2> buffers_;
  std::size_t current_ = 0;  // the buffer being filled
  std::size_t used_ = 0;
  std::thread thread_;  // not running: buffers are written by the caller
  std::mutex mutex_;
  std::condition_variable changed_;
  const char* pending_ = nullptr;  // the buffer being written by the thread
  std::size_t pendingSize_ = 0;
  bool stopping_ = false;
  std::atomic<bool> failed_{false};
};

}  // namespace escrivania
