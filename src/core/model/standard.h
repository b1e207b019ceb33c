#pragma once
// TStandard: the one settings object. Fields carry the value names under which the store keeps
// them and are read directly; fields with side effects or block values are changed through
// their setter. Option groups of windows and printouts are structs of their own (optionen.h).
// LadeEinstellungen clamps every value to its valid range, so readers need no checks.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/datum.h"
#include "model/optionen.h"
#include "model/versionssicht.h"
#include "model/wochbereich.h"

namespace kolvar {

class IEinstellungsSpeicher;
class TEinstellungsBinder;
class Uhr;

constexpr int kSlotZellen = kTage * kStunden;  // 112 cells of a slot table
constexpr int kAutomatikTabellen = 4;
constexpr int kKennwortLaenge = 20;
constexpr int kStundenLabelLaenge = 15;
constexpr int kBemerkungsListen = 10;
constexpr int kMaxListenZeilen = 100;
constexpr int kVertrBemerkungen = 12;

// Cell c = (period - 1) * 7 + day - 1; magnitude = rank in the automatic run's trial order,
// negative = linked with the next period of the same day.
using TAutomatikTabelle = std::array<int, kSlotZellen>;
using TAutomatikTabellen = std::array<TAutomatikTabelle, kAutomatikTabellen>;

// Width in pixels of a text in a font, normal or bold: the window's canvas.
using TTextBreite = std::function<int(std::string_view text, const TSchrift& schrift, bool fett)>;
// Abbreviations of teachers, classes, couplings, subjects and rooms, in this order.
using TKuerzelListen = std::array<std::vector<std::string>, 5>;

class TStandard {
 public:
  TStandard();

  // Plan versions: "mwn", the current version and "eaw", kept in the view every grid reads.
  const TVersionsSicht& Versionen() const { return versionen_; }
  int mwn() const { return versionen_.Versionen; }
  int AktuelleVersion() const { return versionen_.AktuelleVersion; }
  bool eaw() const { return versionen_.NurAktuelle; }
  void SetVersionszahl(int n);  // also lowers the current version to n when higher
  void SetAktuelleVersion(int v);
  void SetNurAktuelleVersion(bool an) { versionen_.NurAktuelle = an; }

  // General ("Urbo0").
  int pas = 0;                       // palette layout, 0 = 15 x 1 .. 6 = 1 x 15
  int pal = 0, pat = 0;              // left and top of the main window
  int FensterAnordnung = 1;          // "for": window arrangement, 1..4
  std::string wks;                   // scrambled password, always 20 characters (SetKennwort)
  std::array<uint32_t, 16> cfa;      // custom colours of the colour dialogs
  std::string opf, ipf, hpf;         // last folders: school file, import/export, HTML presets
  int64_t StartZeit = 0;             // start of the program run: time of day in seconds, no date
  int64_t LetzteSicherungsZeit = 0;  // last automatic-save reminder, also a time of day
  void SetLetzteSicherungsZeit(int64_t zeit) { LetzteSicherungsZeit = zeit; }
  // Both take the clock's time of day (the reminder compares times of day); called at start.
  void SetzeStartZeit(const Uhr& uhr);

  // Basic data ("Urbo1").
  int mtn = 7;              // school days per week, 5..7
  int dvs = 1;              // smallest time unit: hour values count in 1/dvs hours, 1..100
  int vkm = 2;              // digits before the decimal point, 1..3
  int nkm = 1;              // digits after the decimal point, 0..3
  int vtm = 10;             // days past substitutions and absences are kept
  int spz = 0;              // automatic-save reminder in minutes, 0 = off, 0..60
  bool hga = true;          // show the screen backdrop
  uint32_t efa = 0xFFFFFF;  // backdrop colour
  void SetTageProWoche(int n);
  void SetVertrVerwahrTage(int n);

  // Plan windows ("Urbo2") and workload windows ("Urbo3").
  int pst = 6;  // periods per day shown, 1..16
  TPlanFensterOptionen PlanFenster;
  TDeputatFensterOptionen DeputatFenster;
  int GetPlnKlKoBreite() const;
  int GetPlnLeKoBreite() const;
  int GetPlnFaKoBreite() const;
  int GetPlnMaxBreite() const;
  // Column widths and row heights from the fonts and the school's abbreviations.
  int PlanZeilenHoehe = 18;  // not stored: computed with the widths
  int ListenZeilenHoehe = 21;
  void BerechneSpaltenbreiten(const TTextBreite& breite, const TKuerzelListen& kuerzel);
  void BerechneListenbreiten(const TTextBreite& breite, const TKuerzelListen& kuerzel);
  // The plans' period column: "psb", wider where a label of the current version needs more.
  // Labels change without the widths being measured again, and a cut label reads wrong.
  int StundenSpalte(const TTextBreite& breite) const;

  // Defaults of new elements and lessons ("Urbo4", "Urbo5").
  TWoElem gds;              // lock grid of a new teacher, class or room
  int les = 24;             // target hours of a new teacher
  int kls = 30;             // target hours of a new class
  TWoElem kus;              // lock grid of a new lesson
  int kst = 3;              // weekly hours of a new lesson, 0..112
  int spt = 1;              // hours per day of a new lesson, 1..16
  int ezs = 3;              // single hours of a new lesson, 0..7
  int tbn = 1;              // slot table of a new lesson, 1..4
  int fkt = 1;              // factor of a new lesson, 0..10000
  bool nvp = false;         // "nicht verplanen"
  bool nzl = false;         // "nicht zählen" for the teacher
  bool nzk = false;         // "nicht zählen" for the classes
  uint32_t kfa = 0xFFFFFF;  // colour of a new lesson
  bool nks = true;          // lessons sorted by classes (false: by teachers)

  // Planning tools ("Urbo6", "Urbo7", "Urbo8", "Urbo11", "Urbo33").
  int plr = 0;                           // which plans "Pläne löschen" clears, 0..5
  bool plm = true;                       // clearing includes couplings
  bool plf = true;                       // clearing keeps fixed hours
  TAutomatikTabellen AutomatikTabellen;  // "T" rows
  int ast = 1000;                        // placed hours after which the automatic run re-orders, 1..5000
  int apr = 100;                         // percentage of hours the automatic run places, 5..100
  bool ara = true;                       // may place without a fitting room
  bool aei = true;                       // may place without the required single hours
  int pze = 10;                          // rows of a new parallel-coupling table, 2..40
  int psp = 3;                           // its columns, 2..10
  bool pue = false;                      // take over the last table
  bool pmf = false;                      // show subjects
  int vku = 5;                           // what copying a plan version copies, 0..5
  bool vap = true;                       // copying a version copies the plans too
  bool kmpm = false;                     // compressing may split multiple hours
  bool kmpb = false;                     // compressing may leave gaps
  // The dialogs store these through their setters, which clamp as loading does.
  void SetPlLoeschArt(int art);
  void SetPlLoeschMitKopplungen(bool an) { plm = an; }
  void SetPlLoeschOhneFixierte(bool an) { plf = an; }
  void SetAutoNeuordnenNach(int stunden);
  void SetAutoProzent(int prozent);
  void SetAutoAuchOhneRaum(bool an) { ara = an; }
  void SetAutoAuchOhneEinzelstunden(bool an) { aei = an; }
  void SetVersKopierArt(int art);
  void SetVersAuchPlaene(bool an) { vap = an; }
  void SetKompMehrfach(bool an) { kmpm = an; }
  void SetKompBruecken(bool an) { kmpb = an; }
  void SetManuellZeigeKopplung(bool an) { PlanFenster.pzk = an; }
  // Takes tables that are valid (see AutomatikTabellenGueltig); false leaves them unchanged.
  bool SetAutomatikTabellen(const TAutomatikTabellen& tabellen);
  // The slot of table t (1..4), day, period; 0 outside.
  int AutomatikZelle(int t, int tag, int stunde) const;
  static const TAutomatikTabellen& StandardTabellen();
  // Every cell non-zero and each table's magnitudes a permutation of 1..112.
  static bool AutomatikTabellenGueltig(const TAutomatikTabellen& tabellen);
  void InitStandardTabellen();  // defaults in place of invalid tables

  // Calendar ("Urbo10"): calendar-week numbers ("K") and free days ("F"), per week index.
  TWochenTabelle Kalenderwochen;
  TWochenTabelle FreieTage{};  // bit (weekday - 1) set: that day is free
  void SetFreieTage(const TWochenTabelle& tage);
  void InitKalenderwochen();  // rebuilds the table unless every entry is 1..53
  bool IstFreierTag(int32_t tag) const;
  bool AusserhalbSchultage(int32_t tag) const { return Wochentag(tag) > mtn; }

  // Time grid: period labels per version ("sp1".."sp54"), day abbreviations and names.
  std::array<std::array<std::string, kStunden>, kMaxVersionen> sp;
  std::array<std::string, kTage> spg;
  std::array<std::string, kTage> spn;
  void SetStundenBezeichnungen(int version, const std::array<std::string, kStunden>& labels);
  void SetTagKuerzel(const std::array<std::string, kTage>& kuerzel);
  void SetTagNamen(const std::array<std::string, kTage>& namen);

  // Printouts: abbreviation lists, deputats, plans, overviews and the rest.
  TKuerzelDruckOptionen KuerzelDruck;                      // "Urbo9"
  TDeputatDruckOptionen DeputatDruck;                      // "Urbo12"
  TPlanDruckOptionen LehrerPlanDruck;                      // "Urbo13"
  TPlanDruckOptionen KlassenPlanDruck;                     // "Urbo14"
  TPlanDruckOptionen RaumPlanDruck;                        // "Urbo15"
  TPlanDruckOptionen KopplungsPlanDruck;                   // "Urbo16"
  TUebersichtDruckOptionen LehrerUebersichtDruck;          // "Urbo17"
  TUebersichtDruckOptionen KlassenUebersichtDruck;         // "Urbo18"
  TUebersichtDruckOptionen RaumUebersichtDruck;            // "Urbo19"
  TUebersichtDruckOptionen KopplungsUebersichtDruck;       // "Urbo20"
  TFachKonferenzDruckOptionen FachKonferenzDruck;          // "Urbo21"
  TKlassenKonferenzDruckOptionen KlassenKonferenzDruck;    // "Urbo22"
  TRestStundenDruckOptionen RestStundenDruck;              // "Urbo23"
  TStundenVerteilungDruckOptionen StundenVerteilungDruck;  // "Urbo24"
  TUVTabDruckOptionen UVTabDruck;                          // "Urbo25"
  TFehlerListeDruckOptionen FehlerListeDruck;              // "Urbo26"
  TParallelDruckOptionen ParallelDruck;                    // "Urbo27"
  // "Urbo30"; unlike the plans' remark, the subject overview's starts empty.
  TFachUebersichtDruckOptionen FachUebersichtDruck{.Schrift = {}, .fubm = {}};
  TEinfacheDruckOptionen VertretungsUebersichtDruck;  // "Urbo31"

  // Substitution planning ("Urbo28", "Urbo29", "Urbo32").
  int vsa = 0;                                     // sort order of the substitution list, 0..3
  int vla = 2;                                     // teachers offered as substitutes, 0..2
  int vva = 1;                                     // account shown: 0 "V-Std. 1", 1 "V-Std 2"
  int vpl = 0;                                     // day plan shown: 0 teacher, 1 class
  bool vfc = true, vrc = true;                     // filters "freie Lehrer", "Randstunden"
  int vll = 10, vlt = 50;                          // substitute-teacher choice position
  int vrl = 10, vrt = 50;                          // substitute-room choice position
  int vle = 100, vto = 50;                         // substitution list position
  TVertretungsDruckOptionen VertretungsDruck;      // presets, "vfn", "vfs", "vra"
  TEinfacheDruckOptionen VertretungsStundenDruck;  // "sfn", "sfs", "sra"
  std::array<std::vector<std::string>, kBemerkungsListen> AllgBemerkung;  // general remark lists
  std::array<std::string, kVertrBemerkungen> StandardBemerkung;           // standard remarks
  void SetDruckVertrEinstellungen(const std::array<TVertrDruckEinstellung, 4>& vorgaben,
                                  const std::array<bool, 4>& drucken);
  // Which of the four presets "Drucke Vertretungsplan" prints.
  void SetDruckVertrEinstWahl(const std::array<bool, 4>& drucken) { VertretungsDruck.vc = drucken; }
  void SetVertrBemerkungen(const std::array<std::string, kVertrBemerkungen>& bemerkungen);

  // HTML colours ("Urbo34").
  uint32_t hin = 0xD5F0C8;  // background
  uint32_t tab = 0x95FDF0;  // table
  uint32_t ueb = 0xE2E2E2;  // table heading

  // Password: entries are cut or padded with blanks to 20 characters and kept scrambled only.
  // The scrambler reads each character as its byte in the school file (defined in storage/).
  static std::string Verschluessele(std::string_view text);
  static std::string VerschluesseltesKennwort(std::string_view eingabe);
  void SetKennwort(std::string_view eingabe) { wks = VerschluesseltesKennwort(eingabe); }
  bool KennwortStimmt(std::string_view eingabe) const { return wks == VerschluesseltesKennwort(eingabe); }
  bool KeinKennwort() const { return KennwortStimmt(""); }

  // The store: every value under its section and name, in its text form. Defined beside the
  // store interface (storage/), so the model knows only the walk.
  void LadeEinstellungen(const IEinstellungsSpeicher& speicher);
  bool SpeichereEinstellungen(IEinstellungsSpeicher& speicher) const;  // false: the store failed
  // Walks every persisted value (see TEinstellungsBinder).
  void Binde(TEinstellungsBinder& binder);

 private:
  TVersionsSicht versionen_;
};

}  // namespace kolvar
