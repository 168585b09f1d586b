#pragma once

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace wv::test {

// A fresh folder under the system's temporary folder, removed with its
// content when the test ends.
class TempFolder {
 public:
  TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("wv-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  // Writes `content` byte for byte into `name` inside the folder.
  std::filesystem::path Write(std::string_view name, std::string_view content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
    return path_ / name;
  }

  std::string Read(std::string_view name) const { return ReadFile(path_ / name); }

  static std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path path_;
};

// Whether owner permission bits stop this process. Root passes them anyway;
// Windows ignores the read-only flag on folders and perms::none only sets it.
inline bool PermissionsStopUs() {
#ifndef _WIN32
  return ::geteuid() != 0;
#else
  return false;
#endif
}

#ifndef _WIN32
// Runs `body` in a child process and returns what `body` returned, or how a
// signal ended the child. `unprivileged`: as a user whom owner permission
// bits stop (nobody when this process is root, as CI runs it).
inline std::string InChildProcess(const std::function<std::string()>& body,
                                  bool unprivileged = false) {
  int channel[2];
  if (::pipe(channel) != 0) return "<no pipe>";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    constexpr uid_t kNobody = 65534;
    const bool dropped =
        !unprivileged || ::geteuid() != 0 ||
        (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
    const std::string answer = dropped ? body() : "<could not drop privileges>";
    [[maybe_unused]] const auto wrote = ::write(channel[1], answer.data(), answer.size());
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string answer;
  char buffer[4096];
  for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
    answer.append(buffer, got);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFSIGNALED(status)) answer += "<ended by signal " + std::to_string(WTERMSIG(status)) + ">";
  return answer;
}

inline std::string AsUnprivileged(const std::function<std::string()>& body) {
  return InChildProcess(body, true);
}
#endif

}  // namespace wv::test
