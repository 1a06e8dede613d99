#include "platform/KeptArtwork.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

namespace velmor {

namespace {

constexpr char Magic[8] = {'V', 'E', 'L', 'M', 'O', 'R', 'P', 'X'};
constexpr uint32_t Version = 1;
// The pixels start a page in, so the mapping hands them out aligned.
constexpr size_t HeaderBytes = 4096;
constexpr int LargestSide = 1 << 15;

struct Header {
  char magic[8];
  uint32_t version, width, height, keyLength;
  uint64_t sourceSize;
  int64_t sourceTime;
  uint64_t checksum;
};
constexpr size_t KeyRoom = HeaderBytes - sizeof(Header);

// Four lanes, so that the multiplications overlap and a 4K picture is summed in about a
// millisecond; any changed word changes the sum.
uint64_t Checksum(const uint32_t* pixels, size_t count) {
  constexpr uint64_t Prime = 0x100000001B3ull;
  uint64_t lane[4] = {0xCBF29CE484222325ull, 0x84222325CBF29CE4ull, 0x9E3779B97F4A7C15ull, 0x7F4A7C159E3779B9ull};
  size_t i = 0;
  for (; i + 8 <= count; i += 8)
    for (int l = 0; l < 4; ++l) {
      uint64_t word;
      std::memcpy(&word, pixels + i + 2 * l, sizeof word);
      lane[l] = (lane[l] ^ word) * Prime;
    }
  for (; i < count; ++i) lane[0] = (lane[0] ^ pixels[i]) * Prime;
  return lane[0] ^ (lane[1] * 3) ^ (lane[2] * 5) ^ (lane[3] * 7) ^ count;
}

uint64_t NameHash(const std::string& key) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (unsigned char c : key) h = (h ^ c) * 0x100000001B3ull;
  return h;
}

bool SourceIdentity(const std::string& source, uint64_t& size, int64_t& time) {
  struct stat st {};
  if (::stat(source.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  size = static_cast<uint64_t>(st.st_size);
  time = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return true;
}

std::string KeyOf(const std::string& source, const std::string& what) { return source + '\n' + what; }

bool WriteAll(int fd, const void* data, size_t size, const std::atomic<bool>& stopping) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    if (stopping) return false;
    const ssize_t written = ::write(fd, bytes, std::min<size_t>(size, 4u << 20));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

KeptArtwork::KeptArtwork(std::string folder, uint64_t limitBytes, std::chrono::milliseconds delay)
    : folder_(std::move(folder)), limit_(limitBytes), delay_(delay) {
  if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

KeptArtwork::~KeptArtwork() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

std::string KeptArtwork::FileFor(const std::string& key) const {
  char name[32];
  std::snprintf(name, sizeof name, "%016llx.pix", static_cast<unsigned long long>(NameHash(key)));
  return folder_ + name;
}

std::optional<Picture> KeptArtwork::Find(const std::string& source, const std::string& what) {
  uint64_t sourceSize = 0;
  int64_t sourceTime = 0;
  if (folder_.empty() || !SourceIdentity(source, sourceSize, sourceTime)) return std::nullopt;
  const std::string key = KeyOf(source, what);
  const int fd = ::open(FileFor(key).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  Header header{};
  char keyRead[KeyRoom];
  const bool readable = ::fstat(fd, &st) == 0 && static_cast<size_t>(st.st_size) >= HeaderBytes &&
                        ::pread(fd, &header, sizeof header, 0) == static_cast<ssize_t>(sizeof header) &&
                        header.keyLength == key.size() && key.size() <= KeyRoom &&
                        ::pread(fd, keyRead, key.size(), sizeof header) == static_cast<ssize_t>(key.size());
  const bool matches =
      readable && std::memcmp(header.magic, Magic, sizeof Magic) == 0 && header.version == Version &&
      header.width > 0 && header.height > 0 && header.width <= LargestSide && header.height <= LargestSide &&
      static_cast<uint64_t>(st.st_size) == HeaderBytes + uint64_t{header.width} * header.height * sizeof(uint32_t) &&
      header.sourceSize == sourceSize && header.sourceTime == sourceTime &&
      std::memcmp(keyRead, key.data(), key.size()) == 0;
  if (!matches) {
    ::close(fd);
    return std::nullopt;
  }
  const size_t length = static_cast<size_t>(st.st_size);
  void* mapped = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  ::futimens(fd, nullptr);  // used now: the last to be trimmed
  ::close(fd);
  if (mapped == MAP_FAILED) return std::nullopt;
  const auto* pixels = reinterpret_cast<const uint32_t*>(static_cast<const char*>(mapped) + HeaderBytes);
  const size_t count = size_t{header.width} * header.height;
  if (Checksum(pixels, count) != header.checksum) {
    ::munmap(mapped, length);
    return std::nullopt;
  }
  std::shared_ptr<const uint32_t> held(pixels, [mapped, length](const uint32_t*) { ::munmap(mapped, length); });
  return Picture::Viewing(static_cast<int>(header.width), static_cast<int>(header.height), std::move(held));
}

void KeptArtwork::Keep(const std::string& source, const std::string& what, const Picture& picture) {
  Job job{KeyOf(source, what), 0, 0, picture};
  if (folder_.empty() || picture.empty() || job.key.size() > KeyRoom ||
      !SourceIdentity(source, job.sourceSize, job.sourceTime))
    return;
  {
    std::lock_guard lock(mutex_);
    if (stopping_) return;
    // Made again before the first was written (a scale left and come back to): one is enough.
    for (const Job& queued : jobs_)
      if (!queued.make && queued.key == job.key) return;
    jobs_.push_back(std::move(job));
    if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
  }
  changed_.notify_all();
}

void KeptArtwork::MakeAhead(Making make) {
  if (folder_.empty() || !make) return;
  {
    std::lock_guard lock(mutex_);
    if (stopping_) return;
    std::erase_if(jobs_, [](const Job& queued) { return static_cast<bool>(queued.make); });
    jobs_.push_back({{}, 0, 0, {}, std::move(make)});
    if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
  }
  changed_.notify_all();
}

void KeptArtwork::Flush() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return (jobs_.empty() && !busy_) || stopping_; });
}

void KeptArtwork::Work() {
  // Behind the game's own threads: what is kept only matters the next time.
  ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return !jobs_.empty() || stopping_; });
    if (stopping_) return;
    // One wait a batch: the pictures one change of scale made are written together after it.
    if (delay_.count() > 0 && changed_.wait_for(lock, delay_, [this] { return stopping_.load(); })) return;
    while (!jobs_.empty() && !stopping_) {
      Job job = std::move(jobs_.front());
      jobs_.pop_front();
      busy_ = true;
      lock.unlock();
      if (job.make)
        job.make(stopping_);
      else if (Write(job))
        Trim(FileFor(job.key));
      job = Job();  // the game's buffer is let go before the next one is taken
      lock.lock();
      busy_ = false;
      changed_.notify_all();
    }
  }
}

bool KeptArtwork::Write(const Job& job) {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  const Picture& picture = job.picture;
  const size_t count = static_cast<size_t>(picture.width()) * static_cast<size_t>(picture.height());
  const uint32_t* pixels = picture.row(0);  // rows follow one another without gaps
  std::vector<char> head(HeaderBytes, 0);
  Header header{};
  std::memcpy(header.magic, Magic, sizeof Magic);
  header.version = Version;
  header.width = static_cast<uint32_t>(picture.width());
  header.height = static_cast<uint32_t>(picture.height());
  header.keyLength = static_cast<uint32_t>(job.key.size());
  header.sourceSize = job.sourceSize;
  header.sourceTime = job.sourceTime;
  header.checksum = Checksum(pixels, count);
  std::memcpy(head.data(), &header, sizeof header);
  std::memcpy(head.data() + sizeof header, job.key.data(), job.key.size());

  const std::string final = FileFor(job.key);
  // Not WriteFileAtomically: the pixels go out from where they lie, in pieces a quit can stop
  // between, and what can be made again needs no fsync.
  const std::string temporary = final + ".tmp-" + std::to_string(::getpid());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool written =
      WriteAll(fd, head.data(), head.size(), stopping_) && WriteAll(fd, pixels, count * sizeof(uint32_t), stopping_);
  written = ::close(fd) == 0 && written;
  if (!written || ::rename(temporary.c_str(), final.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

void KeptArtwork::Trim(const std::string& keep) {
  struct Entry {
    std::filesystem::file_time_type used;
    uint64_t size;
    std::filesystem::path path;
  };
  std::vector<Entry> entries;
  uint64_t total = 0;
  std::error_code ec;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const auto& item : std::filesystem::directory_iterator(folder_, ec)) {
    std::error_code itemError;
    const std::string name = item.path().filename().string();
    const auto used = item.last_write_time(itemError);
    const uint64_t size = item.file_size(itemError);
    if (itemError) continue;
    // A write a crash cut short leaves its temporary file behind.
    if (name.find(".pix.tmp-") != std::string::npos) {
      if (now - used > std::chrono::hours(1)) std::filesystem::remove(item.path(), itemError);
      continue;
    }
    if (item.path().extension() != ".pix") continue;
    total += size;
    entries.push_back({used, size, item.path()});
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.used < b.used; });
  for (const Entry& entry : entries) {
    if (total <= limit_) break;
    if (entry.path == keep) continue;
    std::error_code removeError;
    if (std::filesystem::remove(entry.path, removeError)) total -= entry.size;
  }
}

}  // namespace velmor
