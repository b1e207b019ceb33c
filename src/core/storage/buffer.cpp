#include "storage/buffer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "model/text.h"
#include "storage/macdatum.h"
#include "storage/macfarbe.h"
#include "storage/mactext.h"
#include "storage/temporaerdatei.h"

namespace kolvar {

namespace {

constexpr int kMaxKapazitaet = 255;

int GueltigeKapazitaet(int kapazitaet) {
  return std::clamp(kapazitaet, 1, kMaxKapazitaet);
}

class TDeskriptor {
 public:
  explicit TDeskriptor(int fd) : fd_(fd) {}
  TDeskriptor(const TDeskriptor&) = delete;
  TDeskriptor& operator=(const TDeskriptor&) = delete;
  ~TDeskriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Fd() const { return fd_; }
  bool Schliesse() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool SchreibeAlles(int fd, const uint8_t* daten, std::size_t anzahl) {
  while (anzahl > 0) {
    const ssize_t n = ::write(fd, daten, anzahl);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    daten += n;
    anzahl -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

TBuffer TBuffer::Oeffne(const std::filesystem::path& datei) {
  // Without blocking, so a pipe or device is refused below instead of waiting for a writer.
  TDeskriptor fd(::open(datei.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (fd.Fd() < 0 || ::fstat(fd.Fd(), &info) != 0 || !S_ISREG(info.st_mode))
    throw TDateiFehler::NichtGeoeffnet(datei.string());
  std::vector<uint8_t> daten;
  daten.reserve(static_cast<std::size_t>(info.st_size));
  uint8_t block[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.Fd(), block, sizeof block);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw TDateiFehler(kStreamLesefehler, daten.size());
    }
    daten.insert(daten.end(), block, block + n);
  }
  return TBuffer(std::move(daten));
}

void TBuffer::Speichere(const std::filesystem::path& datei) const {
  // Through a symbolic link the file it names is replaced, never the link: renaming onto the
  // link would leave that file with the old data. A link into a missing folder fails below,
  // as a missing folder does.
  std::filesystem::path ziel = datei;
  std::error_code linkFehler;
  for (int tiefe = 0; std::filesystem::is_symlink(ziel, linkFehler); ++tiefe) {
    const std::filesystem::path weiter = std::filesystem::read_symlink(ziel, linkFehler);
    if (linkFehler || tiefe == 40) throw TDateiFehler::NichtErstellt(datei.string());
    ziel = weiter.is_absolute() ? weiter : ziel.parent_path() / weiter;
  }
  // The rename needs only the folder's permission; a read-only file is not ours to replace,
  // whoever runs the program.
  struct stat alt {};
  const bool ersetzt = ::stat(ziel.c_str(), &alt) == 0 && S_ISREG(alt.st_mode);
  if (ersetzt && ((alt.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, ziel.c_str(), W_OK, AT_EACCESS) != 0))
    throw TDateiFehler::NichtErstellt(datei.string());
  const std::filesystem::path ordner = ziel.has_parent_path() ? ziel.parent_path() : ".";
  RaeumeVerwaisteAuf(ordner);
  int roh = -1;
  const std::filesystem::path temporaer = LegeTemporaerAn(ordner, datei, roh);
  TDeskriptor fd(roh);
  auto verwirf = [&temporaer](const TDateiFehler& fehler) {
    ::unlink(temporaer.c_str());
    throw fehler;
  };
  // Keep the permissions of the file being replaced.
  if (ersetzt) ::fchmod(fd.Fd(), alt.st_mode & 07777);
  if (!SchreibeAlles(fd.Fd(), daten_.data(), daten_.size()) || ::fsync(fd.Fd()) != 0 || !fd.Schliesse())
    verwirf(TDateiFehler(kStreamSchreibfehler));
  if (::rename(temporaer.c_str(), ziel.c_str()) != 0) verwirf(TDateiFehler::NichtErstellt(datei.string()));
  // Make the rename itself durable; the new file is complete either way.
  TDeskriptor ordnerFd(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (ordnerFd.Fd() >= 0) ::fsync(ordnerFd.Fd());
}

std::vector<uint8_t> TBuffer::NimmDaten() {
  std::vector<uint8_t> daten = std::move(daten_);
  daten_.clear();
  position_ = 0;
  return daten;
}

void TBuffer::ZuKurz() const {
  throw TDateiFehler(kStreamLesefehler, position_);
}

// n zero bytes at the end.
uint8_t* TBuffer::Haenge(std::size_t n) {
  const std::size_t alt = daten_.size();
  daten_.resize(alt + n);
  return daten_.data() + alt;
}

int TBuffer::LiesInteger() {
  return static_cast<int16_t>(LiesWort());
}

void TBuffer::SchreibeInteger(int32_t wert) {
  SchreibeWort(static_cast<uint16_t>(wert & 0xFFFF));
}

uint16_t TBuffer::LiesWort() {
  const uint8_t* p = Nimm(2);
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

void TBuffer::SchreibeWort(uint16_t wert) {
  uint8_t* p = Haenge(2);
  p[0] = static_cast<uint8_t>(wert >> 8);
  p[1] = static_cast<uint8_t>(wert);
}

int32_t TBuffer::LiesLongint() {
  const uint8_t* p = Nimm(4);
  return static_cast<int32_t>((uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]);
}

void TBuffer::SchreibeLongint(int32_t wert) {
  const uint32_t w = static_cast<uint32_t>(wert);
  uint8_t* p = Haenge(4);
  p[0] = static_cast<uint8_t>(w >> 24);
  p[1] = static_cast<uint8_t>(w >> 16);
  p[2] = static_cast<uint8_t>(w >> 8);
  p[3] = static_cast<uint8_t>(w);
}

uint8_t TBuffer::LiesByte() {
  return *Nimm(1);
}

void TBuffer::SchreibeByte(uint8_t wert) {
  daten_.push_back(wert);
}

bool TBuffer::LiesBoolean() {
  return LiesByte() != 0;
}

void TBuffer::SchreibeBoolean(bool wert) {
  SchreibeByte(wert ? 1 : 0);
}

uint8_t TBuffer::LiesArt() {
  const uint8_t art = LiesByte();
  return art == 2 ? 0 : art == 6 ? 4 : art;
}

void TBuffer::SchreibeArt(uint8_t art) {
  SchreibeByte(art);
}

int64_t TBuffer::LiesDatum() {
  return MacZeitZuDatum(static_cast<uint32_t>(LiesLongint()));
}

void TBuffer::SchreibeDatum(int64_t datumZeit) {
  SchreibeLongint(static_cast<int32_t>(DatumZuMacZeit(datumZeit)));
}

uint32_t TBuffer::LiesFarbe() {
  const uint8_t* p = Nimm(6);
  return MacFarbeZuColor(static_cast<uint16_t>(p[0] << 8), static_cast<uint16_t>(p[2] << 8),
                         static_cast<uint16_t>(p[4] << 8));
}

void TBuffer::SchreibeFarbe(uint32_t farbe) {
  const TMacFarbe f = ColorZuMacFarbe(farbe);
  SchreibeWort(f.rot);
  SchreibeWort(f.gruen);
  SchreibeWort(f.blau);
}

std::string TBuffer::LiesText(int kapazitaet) {
  const std::size_t kap = static_cast<std::size_t>(GueltigeKapazitaet(kapazitaet));
  const uint8_t* p = Nimm(1 + kap);
  return MacZuText(p + 1, std::min<std::size_t>(p[0], kap));
}

void TBuffer::SchreibeText(std::string_view text, int kapazitaet) {
  const int kap = GueltigeKapazitaet(kapazitaet);
  std::string gekuerzt;
  // No more bytes than characters fit: nothing to cut, without counting them.
  if (text.size() > static_cast<std::size_t>(kap) && TextLaenge(text) > kap) {
    gekuerzt = KuerzeText(text, kap);
    text = gekuerzt;
  }
  // Zero bytes after the text; one byte per character, the limit only guards the field.
  uint8_t* p = Haenge(1 + static_cast<std::size_t>(kap));
  p[0] = static_cast<uint8_t>(TextZuMac(text, p + 1, static_cast<std::size_t>(kap)));
}

std::string TBuffer::LiesKuerzel() {
  const std::size_t kap = kKuerzelLaenge;
  const uint8_t* p = Nimm(1 + kap);
  const std::size_t laenge = std::min<std::size_t>(p[0], kap);
  std::size_t blanks = 0;
  while (blanks < laenge && p[1 + blanks] == ' ') ++blanks;
  std::string text;
  for (std::size_t i = 0; i < blanks; ++i) text += "¥";
  return text + MacZuText(p + 1 + blanks, laenge - blanks);
}

void TBuffer::SchreibeKuerzel(std::string_view text) {
  SchreibeText(text, kKuerzelLaenge);
}
std::string TBuffer::LiesName() {
  return LiesText(kNamenLaenge);
}
void TBuffer::SchreibeName(std::string_view text) {
  SchreibeText(text, kNamenLaenge);
}
std::string TBuffer::LiesBemerkung() {
  return LiesText(kBemerkungLaenge);
}
void TBuffer::SchreibeBemerkung(std::string_view text) {
  SchreibeText(text, kBemerkungLaenge);
}
std::string TBuffer::LiesTitel() {
  return LiesText(kTitelLaenge);
}
void TBuffer::SchreibeTitel(std::string_view text) {
  SchreibeText(text, kTitelLaenge);
}

char32_t TBuffer::LiesZeichen() {
  return MacZuAnsi(LiesByte());
}

}  // namespace kolvar
