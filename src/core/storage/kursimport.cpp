#include "storage/kursimport.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "model/fach.h"
#include "model/idialoge.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/text.h"
#include "storage/buffer.h"
#include "storage/ifortschritt.h"
#include "storage/mactext.h"

namespace kolvar {

namespace {

constexpr char kSatzEnde = '\r';
constexpr char kZeilenvorschub = '\n';
constexpr char kFeldEnde = '\t';
constexpr char kPostenTrenner = '\x1d';
constexpr int kFelder = 23;
constexpr int kMaxEintraege = 32767;  // entries of one list the school file holds

// Decodes the UTF-8 character at i and steps over it; false (i unchanged) for a byte that
// starts no character there.
bool LiesUtf8(std::string_view b, std::size_t& i, char32_t& wert) {
  const auto c = static_cast<uint8_t>(b[i]);
  if (c < 0x80) {
    wert = c;
    ++i;
    return true;
  }
  int folge;
  if (c >= 0xC2 && c <= 0xDF)
    folge = 1, wert = c & 0x1F;
  else if (c >= 0xE0 && c <= 0xEF)
    folge = 2, wert = c & 0x0F;
  else if (c >= 0xF0 && c <= 0xF4)
    folge = 3, wert = c & 0x07;
  else
    return false;
  if (i + static_cast<std::size_t>(folge) >= b.size()) return false;
  for (int k = 1; k <= folge; ++k) {
    const auto f = static_cast<uint8_t>(b[i + static_cast<std::size_t>(k)]);
    if ((f & 0xC0) != 0x80) return false;
    wert = (wert << 6) | (f & 0x3F);
  }
  // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
  if ((folge == 2 && wert < 0x800) || (folge == 3 && (wert < 0x10000 || wert > 0x10FFFF)) ||
      (wert >= 0xD800 && wert <= 0xDFFF))
    return false;
  i += static_cast<std::size_t>(folge) + 1;
  return true;
}

std::string_view AlsText(const std::vector<uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool MitBom(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
}

// A file with a byte-order mark, or valid UTF-8 with characters beyond ASCII, is UTF-8.
bool IstUtf8(const std::vector<uint8_t>& bytes) {
  if (MitBom(bytes)) return true;
  const std::string_view b = AlsText(bytes);
  bool nichtAscii = false;
  char32_t c;
  for (std::size_t i = 0; i < b.size();) {
    nichtAscii |= static_cast<uint8_t>(b[i]) >= 0x80;
    if (!LiesUtf8(b, i, c)) return false;
  }
  return nichtAscii;
}

// Why a record of a UTF-8 file cannot be taken over (a byte that is no UTF-8, a character the
// school file cannot hold, which would be saved as "?"); empty when every character fits.
std::string ZeichenFehler(std::string_view satz) {
  char32_t c;
  for (std::size_t i = 0; i < satz.size();) {
    const std::size_t von = i;
    if (!LiesUtf8(satz, i, c)) {
      static const char* const kHex = "0123456789ABCDEF";
      const auto b = static_cast<uint8_t>(satz[i]);
      return std::string("Das Byte 0x") + kHex[b >> 4] + kHex[b & 15] + " ist kein UTF-8-Zeichen.";
    }
    if (!MacDarstellbar(c))
      return "Das Zeichen „" + std::string(satz.substr(von, i - von)) + "“ passt nicht in die Schuldatei.";
  }
  return {};
}

// An integer of 1..stellen characters: digits, with minus only before digits where allowed.
bool IstZahl(std::string_view s, std::size_t stellen, bool minus) {
  if (s.empty() || s.size() > stellen) return false;
  std::size_t i = 0;
  if (minus && s[0] == '-') i = 1;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

int Zahl(std::string_view s) {
  int wert = 0;
  bool negativ = false;
  for (char c : s) {
    if (c == '-')
      negativ = true;
    else
      wert = wert * 10 + (c - '0');
  }
  return negativ ? -wert : wert;
}

bool KuerzerAls(std::string_view s, int n) {
  return TextLaenge(s) < n;
}

// The items of a field, one after the other. An empty field of hours, days or periods has no
// items; in any other field it is one empty item.
class TPosten {
 public:
  TPosten(std::string_view feld, bool leerOhnePosten)
      : feld_(feld),
        rest_(feld),
        anzahl_(leerOhnePosten && feld.empty()
                    ? 0
                    : static_cast<std::size_t>(std::count(feld.begin(), feld.end(), kPostenTrenner)) + 1) {}

  std::size_t Anzahl() const { return anzahl_; }
  std::string_view Naechster() {
    const std::size_t pos = rest_.find(kPostenTrenner);
    const std::string_view posten = rest_.substr(0, pos);
    rest_ = pos == std::string_view::npos ? std::string_view() : rest_.substr(pos + 1);
    return posten;
  }
  std::string_view Letzter() const {
    const std::size_t pos = feld_.rfind(kPostenTrenner);
    return pos == std::string_view::npos ? feld_ : feld_.substr(pos + 1);
  }

 private:
  std::string_view feld_, rest_;
  std::size_t anzahl_;
};

// Fields 13 to 15. Only items before a separator may carry a minus; the last one is digits
// alone.
bool ZahlenPosten(std::string_view feld, std::size_t stellen, bool minus) {
  TPosten posten(feld, true);
  for (std::size_t i = 0; i < posten.Anzahl(); ++i)
    if (!IstZahl(posten.Naechster(), stellen, minus && i + 1 < posten.Anzahl())) return false;
  return true;
}

bool TextPosten(std::string_view feld, int laenge) {
  TPosten posten(feld, false);
  for (std::size_t i = 0; i < posten.Anzahl(); ++i)
    if (!KuerzerAls(posten.Naechster(), laenge)) return false;
  return true;
}

// The complete records of a text without line feeds, one at a time, each split into its fields.
class TSatzLeser {
 public:
  explicit TSatzLeser(std::string_view text) : text_(text) {}

  // The next record ended by a carriage return; false at the end (a last record without its
  // carriage return is no record). A record with more fields than a course has is split no
  // further.
  bool Naechster() {
    const std::size_t ende = text_.find(kSatzEnde, start_);
    if (ende == std::string_view::npos) return false;
    satz_ = text_.substr(start_, ende - start_);
    const std::string_view satz = satz_;
    start_ = ende + 1;
    ++zeile_;
    felder_ = 0;
    for (std::size_t von = 0; felder_ <= kFelder; ++felder_) {
      const std::size_t tab = satz.find(kFeldEnde, von);
      if (felder_ < kFelder) feld_[static_cast<std::size_t>(felder_)] = satz.substr(von, tab - von);
      if (tab == std::string_view::npos) {
        ++felder_;
        break;
      }
      von = tab + 1;
    }
    return true;
  }

  bool Vollstaendig() const { return felder_ == kFelder; }
  std::string_view Satz() const { return satz_; }
  // Field 1..23 of a complete record.
  std::string_view Feld(int f) const { return feld_[static_cast<std::size_t>(f - 1)]; }
  int Zeile() const { return zeile_; }
  // Offset of the record's carriage return in the text.
  std::size_t Ende() const { return start_ - 1; }

 private:
  std::string_view text_, satz_;
  std::size_t start_ = 0;
  int zeile_ = 0;
  int felder_ = 0;
  std::array<std::string_view, kFelder> feld_;
};

// A placed hour a record of a new lesson describes.
struct TImportStunde {
  int version = 1, tag = 1, stunde = 1;
  std::string_view raum;
  bool mitRaumName = false;
  std::string_view raumName;
};

// The placed hours of a record, in order: item k of field 13 makes hour k; item k of fields 14
// to 16 belongs to hour k and the last item to the last hour (surplus items are ignored); item
// k of field 17 names the room of hour k.
template <typename Funktion>
void FuerStunden(const TSatzLeser& s, int versionen, Funktion funktion) {
  TPosten v(s.Feld(13), true), tage(s.Feld(14), true), perioden(s.Feld(15), true);
  TPosten raeume(s.Feld(16), false), namen(s.Feld(17), false);
  const std::size_t anzahl = v.Anzahl();
  // The item of hour h, walked in step with the hours.
  auto posten = [anzahl](TPosten& p, std::size_t h, std::string_view& text) {
    const std::size_t n = p.Anzahl();
    if (n > anzahl || h + 1 < n) {
      text = p.Naechster();
      return true;
    }
    if (n > 0 && h + 1 == anzahl) {
      text = p.Letzter();
      return true;
    }
    return false;
  };
  for (std::size_t h = 0; h < anzahl; ++h) {
    TImportStunde stunde;
    stunde.version = std::clamp(Zahl(v.Naechster()), 1, versionen);
    std::string_view text;
    if (posten(tage, h, text)) {
      const int tag = Zahl(text);
      stunde.tag = (tag < 1 || tag > kTage) ? 1 : tag;
    }
    if (posten(perioden, h, text)) stunde.stunde = std::clamp(Zahl(text), 1, kStunden);
    if (posten(raeume, h, text)) stunde.raum = text;
    if (h < namen.Anzahl()) {
      stunde.mitRaumName = true;
      stunde.raumName = namen.Naechster();
    }
    funktion(stunde);
  }
}

}  // namespace

std::string TKursImport::DateiText(const std::vector<uint8_t>& bytes) {
  if (!IstUtf8(bytes)) return MacZuText(bytes.data(), bytes.size());
  return std::string(AlsText(bytes).substr(MitBom(bytes) ? 3 : 0));
}

namespace {

// The file's text without its line feeds, which count nowhere.
std::string ImportText(const std::vector<uint8_t>& bytes, bool& utf8) {
  utf8 = IstUtf8(bytes);
  std::string text = TKursImport::DateiText(bytes);
  std::erase(text, kZeilenvorschub);
  return text;
}

}  // namespace

void TKursImport::Melde(const char* status) const {
  if (fortschritt_) {
    fortschritt_->Status(status);
    fortschritt_->Position(0);
  }
}

void TKursImport::Melde(std::size_t position) const {
  if (fortschritt_) fortschritt_->Position(position);
}

bool TKursImport::PruefeFormat(const std::vector<uint8_t>& bytes) {
  bool utf8;
  const std::string text = ImportText(bytes, utf8);
  return PruefeFormatText(text, utf8);
}

bool TKursImport::PruefeFormatText(std::string_view text, bool utf8) {
  Melde(kImportFormatText);
  meldung_.clear();
  TSatzLeser s(text);
  // A file without one complete record (line feeds alone, or nothing) is no course file.
  bool einer = false;
  while (s.Naechster()) {
    einer = true;
    Melde(s.Ende());
    if (utf8) {
      if (const std::string fehler = ZeichenFehler(s.Satz()); !fehler.empty()) {
        meldung_ = "Zeile " + std::to_string(s.Zeile()) + ": " + fehler;
        return false;
      }
    }
    if (!s.Vollstaendig()) return false;
    for (int f = 1; f <= kFelder; ++f) {
      const std::string_view t = s.Feld(f);
      if ((f < 13 || f > 17) && t.find(kPostenTrenner) != std::string_view::npos) return false;
      bool gut = true;
      switch (f) {
        case 1:
        case 2:
          gut = IstZahl(t, 5, false);
          break;
        case 3:
          gut = IstZahl(t, 2, true);
          break;
        case 5:
        case 7:
        case 9:
        case 11:
          gut = KuerzerAls(t, 8);
          break;
        case 4:
        case 6:
        case 8:
        case 10:
        case 12:
          gut = KuerzerAls(t, 22);
          break;
        case 13:
        case 15:
          gut = ZahlenPosten(t, 2, true);
          break;
        case 14:
          gut = ZahlenPosten(t, 1, false);
          break;
        case 16:
          gut = TextPosten(t, 8);
          break;
        case 17:
          gut = TextPosten(t, 22);
          break;
        case 18:
        case 19:
        case 20:
          gut = IstZahl(t, 2, false);
          break;
        case 21:
        case 22:
          gut = t == "0" || t == "1";
          break;
        case 23:
          gut = std::count_if(t.begin(), t.end(), [](char c) { return c == '0' || c == '1'; }) == 1;
          break;
        default:
          break;
      }
      if (!gut) return false;
    }
  }
  return einer;
}

bool TKursImport::PruefeKuerzel(const std::vector<uint8_t>& bytes) {
  bool utf8;
  const std::string text = ImportText(bytes, utf8);
  return PruefeKuerzelText(text);
}

bool TKursImport::PruefeKuerzelText(std::string_view text) {
  Melde(kImportKuerzelText);
  const TSchule& sch = *schule_;
  // Compared as written, cut to an abbreviation's length: blanks around one make it unknown here.
  auto bekannt = [](const auto& liste) {
    std::unordered_set<std::string> kuerzel;
    for (const auto* e : liste) kuerzel.insert(e->Kuerzel());
    return kuerzel;
  };
  const std::unordered_set<std::string> lehrer = bekannt(sch.Lehrer()), faecher = bekannt(sch.Faecher()),
                                        klassen = bekannt(sch.Klassen()),
                                        kopplungen = bekannt(sch.Kopplungen()),
                                        raeume = bekannt(sch.Raeume());
  auto gefunden = [](const std::unordered_set<std::string>& kuerzel, std::string_view t) {
    return t.empty() || kuerzel.count(KuerzeText(t, kKuerzelLaenge)) != 0;
  };
  TSatzLeser s(text);
  while (s.Naechster()) {
    Melde(s.Ende());
    if (!s.Vollstaendig()) continue;
    if (!gefunden(lehrer, s.Feld(5)) || !gefunden(faecher, s.Feld(7)) || !gefunden(klassen, s.Feld(9)) ||
        !gefunden(kopplungen, s.Feld(11)))
      return false;
    TPosten posten(s.Feld(16), false);
    for (std::size_t i = 0; i < posten.Anzahl(); ++i)
      if (!gefunden(raeume, posten.Naechster())) return false;
  }
  return true;
}

namespace {

// The abbreviations of one kind: the school's and those the file adds.
class TKuerzelZaehler {
 public:
  template <typename T>
  explicit TKuerzelZaehler(const TListe<T>& liste) : anzahl_(liste.Anzahl()) {
    for (const T* e : liste) kuerzel_.insert(e->Kuerzel());
  }
  // False when the abbreviation adds an element beyond what the list can hold.
  bool Zaehle(std::string_view text) {
    const std::string k = OhneRaender(text);
    return k.empty() || !kuerzel_.insert(KuerzeText(k, kKuerzelLaenge)).second || ++anzahl_ <= kMaxEintraege;
  }

 private:
  std::unordered_set<std::string> kuerzel_;
  int anzahl_;  // the list's length with the new ones
};

}  // namespace

bool TKursImport::PruefeGrenzen(std::string_view text) {
  const TSchule& sch = *schule_;
  TKuerzelZaehler lehrer(sch.Lehrer()), faecher(sch.Faecher()), klassen(sch.Klassen()),
      kopplungen(sch.Kopplungen()), raeume(sch.Raeume());
  const int n = sch.Standard().mwn();
  int kurse = sch.Kurse().Anzahl();
  int vorige = -1;
  TSatzLeser s(text);
  // As the import goes: a record starts a lesson when its number differs from the one before,
  // and only such a record names a teacher, subject, coupling and rooms.
  while (s.Naechster()) {
    Melde(s.Ende());
    const int nummer = Zahl(s.Feld(1));
    const bool neu = nummer != vorige;
    vorige = nummer;
    const char* liste = nullptr;
    if (neu && ++kurse > kMaxEintraege)
      liste = "Kurse";
    else if (neu && !lehrer.Zaehle(s.Feld(5)))
      liste = "Lehrer";
    else if (neu && !faecher.Zaehle(s.Feld(7)))
      liste = "Fächer";
    else if (!klassen.Zaehle(s.Feld(9)))
      liste = "Klassen";
    else if (neu && !kopplungen.Zaehle(s.Feld(11)))
      liste = "Kopplungen";
    else if (neu)
      FuerStunden(s, n, [&](const TImportStunde& h) {
        if (!liste && !raeume.Zaehle(h.raum)) liste = "Räume";
      });
    if (liste) {
      meldung_ = "Zeile " + std::to_string(s.Zeile()) + ": Mehr als " + std::to_string(kMaxEintraege) + " " +
                 liste + " passen nicht in die Schuldatei.";
      return false;
    }
  }
  return true;
}

TImportErgebnis TKursImport::ImportiereDatei(const std::filesystem::path& datei) {
  const TBuffer buffer = TBuffer::Oeffne(datei);
  if (fortschritt_) fortschritt_->Datei(datei.filename().string(), buffer.Groesse());
  return Importiere(buffer.Daten());
}

namespace {

// Abbreviation to element, as TSchule's find-or-create sees them, without a walk through the
// whole list for every record.
template <typename T>
class TKuerzelIndex {
 public:
  TKuerzelIndex(const TListe<T>& liste, T* (TSchule::*neu)(std::string_view)) : neu_(neu) {
    for (T* e : liste) index_.try_emplace(e->Kuerzel(), e);  // the first one wins
  }
  T* MitKuerzel(TSchule& sch, const std::string& text) {
    if (text.empty()) return nullptr;
    if (const auto it = index_.find(KuerzeText(text, kKuerzelLaenge)); it != index_.end()) return it->second;
    T* e = (sch.*neu_)(text);
    index_.try_emplace(e->Kuerzel(), e);
    return e;
  }

 private:
  T* (TSchule::*neu_)(std::string_view);
  std::unordered_map<std::string, T*> index_;
};

}  // namespace

TImportErgebnis TKursImport::Importiere(const std::vector<uint8_t>& bytes) {
  TSchule& sch = *schule_;
  bool utf8;
  const std::string text = ImportText(bytes, utf8);
  // What the school file could not store is refused before anything changes.
  if (!PruefeFormatText(text, utf8) || !PruefeGrenzen(text)) {
    std::vector<std::string> texte = {"Falsches Format", "Der Inhalt der Importdatei hat nicht",
                                      "das geeignete Format für Kurse."};
    if (!meldung_.empty()) texte.push_back(meldung_);
    sch.Dialoge().Melde(TDialog::FalschesFormat, texte);
    return TImportErgebnis::FalschesFormat;
  }
  if (!PruefeKuerzelText(text) &&
      sch.Dialoge().Frage(TDialog::UnbekannteKuerzel,
                          {"Unbekannte Kürzel", "Die Importdatei enthält unbekannte Kürzel.",
                           "Wollen sie trotzdem importieren?"}) != Modal::Ja)
    return TImportErgebnis::Abgebrochen;
  Uebernimm(text);
  return TImportErgebnis::Importiert;
}

void TKursImport::Uebernimm(std::string_view text) {
  Melde(kImportDatenText);
  TSchule& sch = *schule_;
  TStandard& st = sch.Standard();
  const int n = st.mwn();
  // In file order, so elements are numbered as the file names them.
  TKuerzelIndex<TLehrer> lehrer(sch.Lehrer(), &TSchule::NeuerLehrer);
  TKuerzelIndex<TFach> faecher(sch.Faecher(), &TSchule::NeuesFach);
  TKuerzelIndex<TKlasse> klassen(sch.Klassen(), &TSchule::NeueKlasse);
  TKuerzelIndex<TKopplung> kopplungen(sch.Kopplungen(), &TSchule::NeueKopplung);
  TKuerzelIndex<TRaum> raeume(sch.Raeume(), &TSchule::NeuerRaum);
  int vorige = -1;
  TKurs* kurs = nullptr;
  TSatzLeser s(text);
  while (s.Naechster()) {
    Melde(s.Ende());
    const int nummer = Zahl(s.Feld(1));
    const bool neu = nummer != vorige || kurs == nullptr;
    vorige = nummer;
    TKlasse* k = klassen.MitKuerzel(sch, OhneRaender(s.Feld(9)));
    if (!neu) {
      if (k) {
        kurs->FuegeKlasseHinzu(k);
        for (const TSetzung* z : kurs->Setzungen())
          k->Sperrung().SetzeBereich(z->Version(), z->Tag(), z->Stunde(), false);
        k->SetzeName(s.Feld(10));
      }
      continue;
    }
    TLehrer* l = lehrer.MitKuerzel(sch, OhneRaender(s.Feld(5)));
    if (l) l->SetzeName(s.Feld(6));
    TFach* f = faecher.MitKuerzel(sch, OhneRaender(s.Feld(7)));
    if (f) f->SetzeName(s.Feld(8));
    if (k) k->SetzeName(s.Feld(10));
    TKopplung* ko = kopplungen.MitKuerzel(sch, OhneRaender(s.Feld(11)));
    if (ko) ko->SetzeName(s.Feld(12));
    int stunden = Zahl(s.Feld(3));
    if (!st.eaw()) stunden /= n;
    kurs = sch.ErzeugeKurs(l, k, ko, f, nullptr, std::clamp(stunden, -112, 112));

    FuerStunden(s, n, [&](const TImportStunde& h) {
      if (h.tag > st.mtn) {
        st.SetTageProWoche(h.tag);
        sch.AktualisiereAlleFenster();
      }
      // Likewise the periods the plans show, or the hour would be placed but never seen.
      if (h.stunde > st.pst && h.stunde <= kStunden) {
        st.pst = h.stunde;
        sch.AktualisiereAlleFenster();
      }
      TRaum* r = raeume.MitKuerzel(sch, OhneRaender(h.raum));
      if (r && kurs->Raeume().Position(r) == 0) kurs->FuegeRaumHinzu(r, false);
      if (r && h.mitRaumName) r->SetzeName(h.raumName);
      // A slot named twice in one lesson is placed once.
      if (!kurs->Belegung().Belegt(h.version, h.tag, h.stunde))
        kurs->NeueSetzung(h.version, h.tag, h.stunde, r, false);
    });

    kurs->SetzeFarbe(0xFFFFFF);
    kurs->SetzeInfo(s.Feld(4));
    kurs->SetFaktor(std::clamp(Zahl(s.Feld(2)), 1, 10000));
    kurs->SetzeStundenProTag(std::clamp(Zahl(s.Feld(18)), 1, kStunden));
    kurs->SetzeEinzelstunden(std::clamp(Zahl(s.Feld(19)), 0, st.mtn));
    kurs->SetzeTabelle(std::clamp(Zahl(s.Feld(20)), 1, 4));
    kurs->SetzeNichtVerplanen(s.Feld(21) == "1");
    kurs->SetzeNichtZaehlenLehrer(s.Feld(22) == "1");
    kurs->SetzeNichtZaehlenKlassen(s.Feld(23) == "1");
    if (f && l) l->FuegeFachHinzu(f);
    for (const TSetzung* z : kurs->Setzungen()) {
      const int v = z->Version(), d = z->Tag(), p = z->Stunde();
      kurs->Sperrung().SetzeBereich(v, d, p, false);
      if (l) l->Sperrung().SetzeBereich(v, d, p, false);
      if (k) k->Sperrung().SetzeBereich(v, d, p, false);
      if (z->Raum()) z->Raum()->Sperrung().SetzeBereich(v, d, p, false);
    }
    kurs->KursGeaendert();
    kurs->SetzungenGeaendert();
  }
  sch.SetzeGeaendert(true);
}

}  // namespace kolvar
