#include "storage/temporaerdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <string_view>
#include <system_error>

#include "storage/dateifehler.h"

namespace kolvar {

namespace {

constexpr std::string_view kEndung = ".tmp";

// ".kolvar-<machine>-": the machine keeps a save on another computer, writing into a shared
// folder, from being taken for one of a process that has ended here.
std::string Stamm() {
  char name[HOST_NAME_MAX + 1] = {};
  std::string rechner = ::gethostname(name, sizeof name - 1) == 0 ? name : "";
  if (rechner.empty()) rechner = "localhost";
  for (char& c : rechner)
    if (c == '/') c = '_';
  return ".kolvar-" + rechner + "-";
}

// The process of a temporary file name of this machine ("<pid>-<n>.tmp" after the stem); 0 when
// the name is no such name.
pid_t ProzessVon(std::string_view name, std::string_view stamm) {
  if (name.size() <= stamm.size() + kEndung.size() || name.substr(0, stamm.size()) != stamm ||
      name.substr(name.size() - kEndung.size()) != kEndung)
    return 0;
  const std::string_view rest = name.substr(stamm.size(), name.size() - stamm.size() - kEndung.size());
  const std::size_t strich = rest.find('-');
  if (strich == std::string_view::npos || strich == 0 || strich + 1 == rest.size()) return 0;
  for (std::size_t i = 0; i < rest.size(); ++i)
    if (i != strich && (rest[i] < '0' || rest[i] > '9')) return 0;
  long pid = 0;
  const auto [ende, fehler] = std::from_chars(rest.data(), rest.data() + strich, pid);
  if (fehler != std::errc() || ende != rest.data() + strich || pid <= 0 || pid > INT_MAX) return 0;
  return static_cast<pid_t>(pid);
}

// Only a process that does not exist is over; one of another user exists too (EPERM).
bool Beendet(pid_t pid) {
  return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string TemporaerName(long pid, int n) {
  return Stamm() + std::to_string(pid) + "-" + std::to_string(n) + std::string(kEndung);
}

std::filesystem::path LegeTemporaerAn(const std::filesystem::path& ordner, const std::filesystem::path& datei,
                                      int& fd) {
  for (int versuch = 0; versuch < 100; ++versuch) {
    std::filesystem::path kandidat = ordner / TemporaerName(::getpid(), versuch);
    fd = ::open(kandidat.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return kandidat;
    if (errno != EEXIST) break;
  }
  throw TDateiFehler::NichtErstellt(datei.string());
}

void RaeumeVerwaisteAuf(const std::filesystem::path& ordner) {
  const std::string stamm = Stamm();
  std::error_code fehler;
  std::filesystem::directory_iterator eintrag(ordner, fehler);
  for (; !fehler && eintrag != std::filesystem::directory_iterator(); eintrag.increment(fehler)) {
    const std::filesystem::path& pfad = eintrag->path();
    const pid_t pid = ProzessVon(pfad.filename().native(), stamm);
    if (pid == 0 || pid == ::getpid() || !Beendet(pid)) continue;
    struct stat info {};
    if (::lstat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(pfad.c_str());
  }
}

}  // namespace kolvar
