#include "data_file.h"

#include <system_error>

namespace escrivania {

namespace {
#ifdef _WIN32
constexpr bool kWriteInBackground = false;
#else
constexpr bool kWriteInBackground = true;
#endif
}  // namespace

DataFile::DataFile() {
  for (auto& b : buffers_) b = std::make_unique<char[]>(kBufferSize + kSlack);
}

DataFile::~DataFile() {
  try {
    close();
  } catch (...) {
  }
}

bool DataFile::open(const std::filesystem::path& path) {
  close();
  failed_ = false;
  used_ = 0;
  stream_ = std::ofstream();
  stream_.rdbuf()->pubsetbuf(nullptr, 0);  // the buffers here are the only ones: a failure shows at once
  stream_.open(path, std::ios::binary | std::ios::trunc);
  if (!stream_) {
    stream_ = std::ofstream();
    return false;
  }
  if (kWriteInBackground) {
    stopping_ = false;
    try {
      thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
      // No thread to be had: the caller writes.
    }
  }
  return true;
}

void DataFile::writeOut(const char* data, std::size_t n) {
  if (failed()) return;
  stream_.write(data, static_cast<std::streamsize>(n));
  if (!stream_) failed_ = true;
}

void DataFile::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return pending_ != nullptr || stopping_; });
    if (pending_ == nullptr) return;  // stopping, nothing left
    const char* data = pending_;
    const std::size_t n = pendingSize_;
    lock.unlock();
    writeOut(data, n);
    lock.lock();
    pending_ = nullptr;
    changed_.notify_all();
  }
}

void DataFile::flush() {
  if (used_ == 0) return;
  if (!thread_.joinable()) {
    writeOut(buffers_[current_].get(), used_);
    used_ = 0;
    return;
  }
  {
    // The other buffer is free once the thread is done with it.
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pending_ == nullptr; });
    pending_ = buffers_[current_].get();
    pendingSize_ = used_;
  }
  changed_.notify_all();
  current_ ^= 1;
  used_ = 0;
}

bool DataFile::sync() {
  flush();
  if (thread_.joinable()) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pending_ == nullptr; });
  }
  return !failed();
}

void DataFile::writeDirectly(const char* data, std::size_t n) {
  sync();
  writeOut(data, n);
}

void DataFile::stopThread() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

bool DataFile::close() {
  if (!stream_.is_open()) {
    stopThread();
    return !failed();
  }
  sync();
  stopThread();
  stream_.close();
  if (stream_.fail()) failed_ = true;
  used_ = 0;
  return !failed();
}

}  // namespace escrivania
