// Scripted and recording stand-ins for the platform's services (dialogs, pop-ups, file
// dialogs, clipboard, clock, help, shift state); tests put them in place through TDienste.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "platform/ablage.h"
#include "platform/dateidienst.h"
#include "platform/dialogdienst.h"
#include "platform/hilfe.h"
#include "platform/popupdienst.h"
#include "platform/shiftempfaenger.h"
#include "platform/uhr.h"

namespace kolvar {

// Answers dialogs and message boxes in the order a test scripted them. Every dialog and box
// shown is logged as "Titel: Text" (dialogs by their caption); anything unexpected is a fault
// that the test reads from Fehler().
class TSkriptDialogDienst : public IDialogDienst {
 public:
  struct Schritt {
    QString erwartet;  // caption, object name or class name; empty matches anything
    int ergebnis = mrAbbrechen;
    QString knopf;  // click this button of the dialog (its handlers run) instead of the result
    std::function<void(TKvDialog&)> handlung;  // or let the test work the dialog itself
  };

  void Erwarte(Schritt schritt) { schritte_.push_back(std::move(schritt)); }
  void Antworte(const QString& erwartet, int ergebnis) { Erwarte({erwartet, ergebnis, {}, {}}); }
  void Klicke(const QString& erwartet, const QString& knopf) { Erwarte({erwartet, mrKeins, knopf, {}}); }
  void Bediene(const QString& erwartet, std::function<void(TKvDialog&)> handlung) {
    Erwarte({erwartet, mrKeins, {}, std::move(handlung)});
  }

  int ZeigeDialog(TKvDialog& dialog) override;
  int Frage(const QString& titel, const QString& text, unsigned knoepfe, TMeldungsArt art,
            TKnopf standard) override;

  const QStringList& Protokoll() const { return protokoll_; }
  const QStringList& Fehler() const { return fehler_; }
  bool AllesBeantwortet() const { return schritte_.empty(); }

 private:
  bool NaechsterSchritt(const QStringList& namen, Schritt& schritt);

  std::deque<Schritt> schritte_;
  QStringList protokoll_;
  QStringList fehler_;
};

// Records what was offered and chooses as scripted: by text, by index, or nothing.
class TSkriptPopupDienst : public IPopupDienst {
 public:
  struct Angebot {
    QStringList texte;
    std::vector<bool> aktiv;
    std::vector<bool> haken;
    std::vector<QStringList> unter;  // the sub-items' texts, per entry
    QPoint ort;
    int spaltenHoehe = 0;
  };

  void WaehleText(const QString& text) { antworten_.push_back({text, -1, {}}); }
  // The sub-item of that text in the submenu of the entry of that text.
  void WaehleUnter(const QString& text, const QString& unter) { antworten_.push_back({text, -1, unter}); }
  void WaehleIndex(int index) { antworten_.push_back({{}, index, {}}); }
  void WaehleNichts() { antworten_.push_back({{}, -1, {}}); }
  // Runs while the next pop-up is shown, as the user's events would in its own event loop.
  void WaehrendDesNaechsten(std::function<void()> handlung) { waehrend_ = std::move(handlung); }

  TPopupWahl Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                   int spaltenHoehe) override;

  const std::vector<Angebot>& Angebote() const { return angebote_; }
  const QStringList& Fehler() const { return fehler_; }

 private:
  struct Antwort {
    QString text;
    int index;
    QString unter;
  };
  std::deque<Antwort> antworten_;
  std::function<void()> waehrend_;
  std::vector<Angebot> angebote_;
  QStringList fehler_;
};

// Returns scripted paths in order (an empty one cancels) and records each request.
class TSkriptDateiDienst : public IDateiDienst {
 public:
  void Antworte(const QString& pfad) { antworten_.push_back(pfad); }
  QString Oeffnen(const TDateiAuswahl& auswahl) override;
  QString Sichern(const TDateiAuswahl& auswahl) override;
  const std::vector<TDateiAuswahl>& Anfragen() const { return anfragen_; }

 private:
  QString Naechste(const TDateiAuswahl& auswahl);
  std::deque<QString> antworten_;
  std::vector<TDateiAuswahl> anfragen_;
};

class TSpeicherAblage : public IAblage {
 public:
  bool HatText() const override { return hatText_; }
  QString Text() const override { return text_; }
  void SetzeText(const QString& text) override {
    text_ = text;
    hatText_ = true;
  }
  void Leere() {
    text_.clear();
    hatText_ = false;
  }

 private:
  QString text_;
  bool hatText_ = false;
};

// A clock the tests set and move on.
class TFesteQtUhr : public IUhr {
 public:
  explicit TFesteQtUhr(std::int64_t jetzt = 0) : jetzt_(jetzt) {}
  std::int64_t Jetzt() const override { return jetzt_; }
  std::int64_t Monoton() const override { return monoton_; }
  void Setze(std::int64_t jetzt) { jetzt_ = jetzt; }
  // Moves both clocks on; the wall clock alone may also be set back.
  void Vorruecken(std::int64_t millisekunden);

 private:
  std::int64_t jetzt_;
  std::int64_t monoton_ = 0;
  std::int64_t rest_ = 0;
};

class TProtokollHilfe : public IHilfe {
 public:
  void Themen() override { ++themen_; }
  void Schliesse() override { ++geschlossen_; }
  int ThemenAufrufe() const { return themen_; }
  int Geschlossen() const { return geschlossen_; }

 private:
  int themen_ = 0;
  int geschlossen_ = 0;
};

// Keeps the last byte; for tests and for windows that only need to read it back.
class TShiftSpeicher : public IShiftEmpfaenger {
 public:
  void ShiftMerken(std::uint8_t zustand) override {
    zustand_ = zustand;
    ++anzahl_;
  }
  std::uint8_t Zustand() const { return zustand_; }
  int Anzahl() const { return anzahl_; }

 private:
  std::uint8_t zustand_ = 0;
  int anzahl_ = 0;
};

}  // namespace kolvar
