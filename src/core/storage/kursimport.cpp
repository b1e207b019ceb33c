#include "storage/kursimport.h"

#include <algorithm>
#include <unordered_map>
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

bool GueltigesUtf8(const std::vector<uint8_t>& b, bool& mitNichtAscii) {
  mitNichtAscii = false;
  std::size_t i = 0;
  while (i < b.size()) {
    const uint8_t c = b[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    mitNichtAscii = true;
    int folge;
    char32_t wert;
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
      const uint8_t f = b[i + static_cast<std::size_t>(k)];
      if ((f & 0xC0) != 0x80) return false;
      wert = (wert << 6) | (f & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
    if ((folge == 2 && wert < 0x800) || (folge == 3 && (wert < 0x10000 || wert > 0x10FFFF)) ||
        (wert >= 0xD800 && wert <= 0xDFFF))
      return false;
    i += static_cast<std::size_t>(folge) + 1;
  }
  return true;
}

std::vector<std::string> Teile(std::string_view text, char trenner) {
  std::vector<std::string> teile;
  std::size_t start = 0;
  for (;;) {
    const std::size_t pos = text.find(trenner, start);
    if (pos == std::string_view::npos) {
      teile.emplace_back(text.substr(start));
      return teile;
    }
    teile.emplace_back(text.substr(start, pos - start));
    start = pos + 1;
  }
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

// Fields 13 to 15: an empty field has no items. Only items before a separator may carry a
// minus; the last one is digits alone.
bool ZahlenPosten(const std::vector<std::string>& posten, std::size_t stellen, bool minus) {
  if (posten.size() == 1 && posten[0].empty()) return true;
  for (std::size_t i = 0; i < posten.size(); ++i)
    if (!IstZahl(posten[i], stellen, minus && i + 1 < posten.size())) return false;
  return true;
}

std::vector<int> Zahlen(const std::vector<std::string>& posten) {
  std::vector<int> werte;
  if (posten.size() == 1 && posten[0].empty()) return werte;
  for (const std::string& p : posten) werte.push_back(Zahl(p));
  return werte;
}

// The hour an item of fields 14 to 16 belongs to: item k the k-th, the last item the last
// hour; items beyond the hours are ignored (-1).
int StundeDesPostens(std::size_t k, std::size_t posten, std::size_t stunden) {
  if (posten > stunden) return k < stunden ? static_cast<int>(k) : -1;
  if (k + 1 == posten) return static_cast<int>(stunden) - 1;
  return static_cast<int>(k);
}

}  // namespace

struct TKursImport::TSatz {
  std::vector<std::vector<std::string>> felder;  // fields 1..n at [0..n-1], each its items
  std::size_t ende = 0;                          // offset of its carriage return in the text

  const std::string& Text(int feld) const { return felder[static_cast<std::size_t>(feld - 1)][0]; }
  const std::vector<std::string>& Posten(int feld) const {
    return felder[static_cast<std::size_t>(feld - 1)];
  }
};

std::string TKursImport::DateiText(const std::vector<uint8_t>& bytes) {
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
    return std::string(bytes.begin() + 3, bytes.end());
  bool nichtAscii = false;
  if (GueltigesUtf8(bytes, nichtAscii) && nichtAscii) return std::string(bytes.begin(), bytes.end());
  return MacZuText(bytes.data(), bytes.size());
}

std::vector<TKursImport::TSatz> TKursImport::Saetze(const std::vector<uint8_t>& bytes) const {
  std::string text = DateiText(bytes);
  std::erase(text, kZeilenvorschub);
  std::vector<TSatz> saetze;
  std::size_t start = 0;
  for (;;) {
    const std::size_t ende = text.find(kSatzEnde, start);
    if (ende == std::string::npos) break;  // a last record without its carriage return
    TSatz satz;
    satz.ende = ende;
    for (const std::string& feld : Teile(std::string_view(text).substr(start, ende - start), kFeldEnde))
      satz.felder.push_back(Teile(feld, kPostenTrenner));
    saetze.push_back(std::move(satz));
    start = ende + 1;
  }
  return saetze;
}

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
  Melde(kImportFormatText);
  const std::vector<TSatz> saetze = Saetze(bytes);
  // A file without one complete record (line feeds alone, or nothing) is no course file.
  if (saetze.empty()) return false;
  for (const TSatz& s : saetze) {
    Melde(s.ende);
    if (s.felder.size() != kFelder) return false;
    for (int f = 1; f <= kFelder; ++f) {
      const std::vector<std::string>& posten = s.Posten(f);
      if ((f < 13 || f > 17) && posten.size() != 1) return false;
      const std::string& t = posten[0];
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
          gut = ZahlenPosten(posten, 2, true);
          break;
        case 14:
          gut = ZahlenPosten(posten, 1, false);
          break;
        case 16:
          gut = std::all_of(posten.begin(), posten.end(),
                            [](const std::string& p) { return KuerzerAls(p, 8); });
          break;
        case 17:
          gut = std::all_of(posten.begin(), posten.end(),
                            [](const std::string& p) { return KuerzerAls(p, 22); });
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
  return true;
}

bool TKursImport::PruefeKuerzel(const std::vector<uint8_t>& bytes) {
  Melde(kImportKuerzelText);
  const TSchule& sch = *schule_;
  for (const TSatz& s : Saetze(bytes)) {
    Melde(s.ende);
    if (s.felder.size() != kFelder) continue;
    // Compared as written: blanks around an abbreviation make it unknown here.
    auto bekannt = [&](int feld, const std::string& t) {
      if (t.empty()) return true;
      switch (feld) {
        case 5:
          return TSchule::SucheKuerzel(sch.Lehrer(), t) != nullptr;
        case 7:
          return TSchule::SucheKuerzel(sch.Faecher(), t) != nullptr;
        case 9:
          return TSchule::SucheKuerzel(sch.Klassen(), t) != nullptr;
        case 11:
          return TSchule::SucheKuerzel(sch.Kopplungen(), t) != nullptr;
        default:
          return TSchule::SucheKuerzel(sch.Raeume(), t) != nullptr;
      }
    };
    for (int f : {5, 7, 9, 11})
      if (!bekannt(f, s.Text(f))) return false;
    for (const std::string& raum : s.Posten(16))
      if (!bekannt(16, raum)) return false;
  }
  return true;
}

TImportErgebnis TKursImport::ImportiereDatei(const std::filesystem::path& datei) {
  const TBuffer buffer = TBuffer::Oeffne(datei);
  if (fortschritt_) fortschritt_->Datei(datei.filename().string(), buffer.Groesse());
  return Importiere(buffer.Daten());
}

namespace {

// A staged placed hour.
struct TStagedStunde {
  int version = 1, tag = 1, stunde = 1;
  std::string raum;
  bool mitRaumName = false;
  std::string raumName;
};

// A staged record with every value converted; applying it cannot fail.
struct TStagedSatz {
  int nummer = 0;
  int32_t faktor = 1, stunden = 0;
  std::string info, lehrer, lehrerName, fach, fachName, klasse, klassenName, kopplung, kopplungName;
  std::vector<TStagedStunde> stundenListe;
  int spt = 1, ezs = 0, tbn = 1;
  bool nvp = false, nzl = false, nzk = false;
};

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
  TStandard& st = sch.Standard();
  if (!PruefeFormat(bytes)) {
    sch.Dialoge().Melde(TDialog::FalschesFormat, {"Falsches Format", "Der Inhalt der Importdatei hat nicht",
                                                  "das geeignete Format für Kurse."});
    return TImportErgebnis::FalschesFormat;
  }
  if (!PruefeKuerzel(bytes) &&
      sch.Dialoge().Frage(TDialog::UnbekannteKuerzel,
                          {"Unbekannte Kürzel", "Die Importdatei enthält unbekannte Kürzel.",
                           "Wollen sie trotzdem importieren?"}) != Modal::Ja)
    return TImportErgebnis::Abgebrochen;

  // Pass 3: stage every record first, so nothing of a file is half imported.
  Melde(kImportDatenText);
  const int n = st.mwn();
  std::vector<TStagedSatz> staged;
  for (const TSatz& s : Saetze(bytes)) {
    TStagedSatz z;
    z.nummer = Zahl(s.Text(1));
    z.faktor = std::clamp(Zahl(s.Text(2)), 1, 10000);
    int stunden = Zahl(s.Text(3));
    if (!st.eaw()) stunden /= n;
    z.stunden = std::clamp(stunden, -112, 112);
    z.info = s.Text(4);
    z.lehrer = OhneRaender(s.Text(5));
    z.lehrerName = s.Text(6);
    z.fach = OhneRaender(s.Text(7));
    z.fachName = s.Text(8);
    z.klasse = OhneRaender(s.Text(9));
    z.klassenName = s.Text(10);
    z.kopplung = OhneRaender(s.Text(11));
    z.kopplungName = s.Text(12);
    for (int v : Zahlen(s.Posten(13))) z.stundenListe.push_back({std::clamp(v, 1, n), 1, 1, {}, false, {}});
    const std::size_t anzahl = z.stundenListe.size();
    const std::vector<int> tage = Zahlen(s.Posten(14));
    for (std::size_t k = 0; k < tage.size(); ++k)
      if (int h = StundeDesPostens(k, tage.size(), anzahl); h >= 0)
        z.stundenListe[static_cast<std::size_t>(h)].tag = (tage[k] < 1 || tage[k] > kTage) ? 1 : tage[k];
    const std::vector<int> perioden = Zahlen(s.Posten(15));
    for (std::size_t k = 0; k < perioden.size(); ++k)
      if (int h = StundeDesPostens(k, perioden.size(), anzahl); h >= 0)
        z.stundenListe[static_cast<std::size_t>(h)].stunde = std::clamp(perioden[k], 1, kStunden);
    const std::vector<std::string>& raeume = s.Posten(16);
    for (std::size_t k = 0; k < raeume.size(); ++k)
      if (int h = StundeDesPostens(k, raeume.size(), anzahl); h >= 0)
        z.stundenListe[static_cast<std::size_t>(h)].raum = OhneRaender(raeume[k]);
    const std::vector<std::string>& namen = s.Posten(17);
    for (std::size_t k = 0; k < namen.size() && k < anzahl; ++k) {
      z.stundenListe[k].mitRaumName = true;
      z.stundenListe[k].raumName = namen[k];
    }
    z.spt = std::clamp(Zahl(s.Text(18)), 1, kStunden);
    z.ezs = Zahl(s.Text(19));
    z.tbn = std::clamp(Zahl(s.Text(20)), 1, 4);
    z.nvp = s.Text(21) == "1";
    z.nzl = s.Text(22) == "1";
    z.nzk = s.Text(23) == "1";
    staged.push_back(std::move(z));
    Melde(s.ende);
  }

  // Apply, in file order, so elements are numbered as the file names them.
  TKuerzelIndex<TLehrer> lehrer(sch.Lehrer(), &TSchule::NeuerLehrer);
  TKuerzelIndex<TFach> faecher(sch.Faecher(), &TSchule::NeuesFach);
  TKuerzelIndex<TKlasse> klassen(sch.Klassen(), &TSchule::NeueKlasse);
  TKuerzelIndex<TKopplung> kopplungen(sch.Kopplungen(), &TSchule::NeueKopplung);
  TKuerzelIndex<TRaum> raeume(sch.Raeume(), &TSchule::NeuerRaum);
  int vorige = -1;
  TKurs* kurs = nullptr;
  for (const TStagedSatz& z : staged) {
    const bool neu = z.nummer != vorige || kurs == nullptr;
    vorige = z.nummer;
    if (!neu) {
      TKlasse* k = klassen.MitKuerzel(sch, z.klasse);
      if (k) {
        kurs->FuegeKlasseHinzu(k);
        for (const TSetzung* s : kurs->Setzungen())
          k->Sperrung().SetzeBereich(s->Version(), s->Tag(), s->Stunde(), false);
        k->SetzeName(z.klassenName);
      }
      continue;
    }
    TLehrer* l = lehrer.MitKuerzel(sch, z.lehrer);
    if (l) l->SetzeName(z.lehrerName);
    TFach* f = faecher.MitKuerzel(sch, z.fach);
    if (f) f->SetzeName(z.fachName);
    TKlasse* k = klassen.MitKuerzel(sch, z.klasse);
    if (k) k->SetzeName(z.klassenName);
    TKopplung* ko = kopplungen.MitKuerzel(sch, z.kopplung);
    if (ko) ko->SetzeName(z.kopplungName);
    kurs = sch.ErzeugeKurs(l, k, ko, f, nullptr, z.stunden);

    for (const TStagedStunde& h : z.stundenListe) {
      if (h.tag > st.mtn) {
        st.SetTageProWoche(h.tag);
        sch.AktualisiereAlleFenster();
      }
      // Likewise the periods the plans show, or the hour would be placed but never seen.
      if (h.stunde > st.pst && h.stunde <= kStunden) {
        st.pst = h.stunde;
        sch.AktualisiereAlleFenster();
      }
      TRaum* r = raeume.MitKuerzel(sch, h.raum);
      if (r && kurs->Raeume().Position(r) == 0) kurs->FuegeRaumHinzu(r, false);
      if (r && h.mitRaumName) r->SetzeName(h.raumName);
      // A slot named twice in one lesson is placed once.
      kurs->NeueSetzung(h.version, h.tag, h.stunde, r, false);
    }

    kurs->SetzeFarbe(0xFFFFFF);
    kurs->SetzeInfo(z.info);
    kurs->SetzeFaktor(z.faktor);
    kurs->SetzeStundenProTag(z.spt);
    kurs->SetzeEinzelstunden(std::clamp(z.ezs, 0, st.mtn));
    kurs->SetzeTabelle(z.tbn);
    kurs->SetzeNichtVerplanen(z.nvp);
    kurs->SetzeNichtZaehlenLehrer(z.nzl);
    kurs->SetzeNichtZaehlenKlassen(z.nzk);
    if (f && l) l->FuegeFachHinzu(f);
    for (const TSetzung* s : kurs->Setzungen()) {
      const int v = s->Version(), d = s->Tag(), p = s->Stunde();
      kurs->Sperrung().SetzeBereich(v, d, p, false);
      if (l) l->Sperrung().SetzeBereich(v, d, p, false);
      if (k) k->Sperrung().SetzeBereich(v, d, p, false);
      if (s->Raum()) s->Raum()->Sperrung().SetzeBereich(v, d, p, false);
    }
    kurs->KursGeaendert();
    kurs->SetzungenGeaendert();
  }
  sch.SetzeGeaendert(true);
  return TImportErgebnis::Importiert;
}

}  // namespace kolvar
