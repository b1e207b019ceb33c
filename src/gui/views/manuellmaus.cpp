// The manual window's handlers: its pop-ups, the mouse on its grids, and its element buttons.

#include "views/manuellform.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "ansicht/planzuege.h"
#include "ansicht/zellteile.h"
#include "engine/kursbearbeitung.h"
#include "engine/stundenklick.h"
#include "model/element.h"
#include "model/fach.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/cursoren.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/popupdienst.h"
#include "platform/spaltenmenue.h"
#include "views/setzdialoge.h"

namespace kolvar {

// ---------------------------------------------------------------------------------------------
// Pop-ups

void TManuellForm::ZeigeMenue(const std::vector<TMenueEintrag>& eintraege, QPoint global) {
  ZeigeKernMenue(eintraege, global, SpaltenHoehe(static_cast<int>(eintraege.size()), 16), true);
}

QPoint TManuellForm::MenueOrt(int i, int spalte, int zeile) const {
  const TGitter* g = Gitter(i);
  const QRect r = g->ZellRechteck(spalte, zeile);
  return g->viewport()->mapToGlobal(QPoint(r.left(), r.top() + g->StandardHoehe() / 2));
}

void TManuellForm::SperrgrundMenue(int i, int spalte, int zeile) {
  std::vector<TMenueEintrag> eintraege;
  for (const TKonflikt& k : planung_.Gruende(spalte, zeile)) {
    TMenueEintrag e;
    e.Text = planung_.GrundText(k, spalte, zeile);
    if (TKurs* kurs = k.Kurs()) e.Aktion = [this, kurs] { SetzeAktKurs(kurs); };
    eintraege.push_back(std::move(e));
  }
  ZeigeMenue(eintraege, MenueOrt(i, spalte, zeile));
}

// ---------------------------------------------------------------------------------------------
// Mouse

void TManuellForm::GridMouseDown(int panel, int spalte, int zeile, Qt::MouseButton knopf, QPoint global) {
  // A press within the double-click time is no single click: the waiting pop-up is dropped.
  menueZeit_->stop();
  SetzePanelAktiv(panel);
  if (knopf == Qt::RightButton) {
    std::vector<TMenueEintrag> eintraege = planung_.KursMenueAufbauen();
    for (TMenueEintrag& e : eintraege)
      e.Aktion = [this, aktion = e.Aktion] {
        aktion();
        ZeigeAktKurs();
      };
    ZeigeMenue(eintraege, global);
    return;
  }
  if (!IstKoerper(panel, spalte, zeile)) return;
  MarkierungenLoeschen();
  if (Schule().Werkzeugmodus() != Modus::Schieben) return;
  if (Tasten() & Taste::Strg) {
    // The lessons of this grid that could go into the slot, tried with the window's room.
    const TRaum* raum = (Tasten() & Taste::Shift) ? nullptr : planung_.Raum();
    for (const auto& [d, p] : SchiebeKandidatenMitRaum(Zellen(panel), spalte, zeile, raum, Version()))
      for (TPanel& tafel : panels_) tafel.zellen.Markiere(d, p);
    for (TPanel& tafel : panels_) tafel.gitter->viewport()->update();
    return;
  }
  const TKurs* kurs = Zellen(panel).Kurs(spalte, zeile);
  if (kurs != nullptr && kurs == planung_.AktKurs()) {
    MarkiereAktKurs();
    Gitter(panel)->BeginneZiehen(spalte, zeile);
  }
}

void TManuellForm::GridMouseUp(int panel, int spalte, int zeile, Qt::MouseButton knopf) {
  TSchule::TAktion aktion(Schule());
  if (knopf != Qt::LeftButton) return;
  SetzePanelAktiv(panel);
  // The release that ends a double click belongs to it: no pop-up over what it just placed.
  if (std::exchange(doppelklick_, false)) return;
  if (!IstAktiv() || !IstKoerper(panel, spalte, zeile)) return;
  // A second click may follow: the pop-up opened at once would take it, and the double click
  // would never reach the slot. So it waits the double-click time.
  menueZeit_->disconnect();
  connect(menueZeit_, &QTimer::timeout, this,
          [this, panel, spalte, zeile] { MausMenue(panel, spalte, zeile); });
  menueZeit_->start(QApplication::doubleClickInterval());
}

void TManuellForm::MausMenue(int panel, int spalte, int zeile) {
  TSchule::TAktion aktion(Schule());
  if (!IstAngemeldet() || !IstAktiv() || !IstKoerper(panel, spalte, zeile)) return;
  TPlanElement* element = GitterElement(panel);
  const TKurs* kurs = Zellen(panel).Kurs(spalte, zeile);
  const bool gruende = !planung_.Gruende(spalte, zeile).Leer();
  switch (Schule().Werkzeugmodus()) {
    case Modus::Zeigen: {
      if (kurs == nullptr || element == nullptr) return;
      TMenueDaten menue;
      const int seite =
          element->Art() == TElementArt::Klasse ? 1 : (element->Art() == TElementArt::Raum ? 4 : 0);
      const TRaum* raum = element->Art() == TElementArt::Raum ? static_cast<TRaum*>(element) : nullptr;
      for (TKurs* k : element->Kurse().Elemente())
        k->BelegungMenueEintraege(menue, spalte, zeile, raum, seite, false,
                                  [this](TKurs* gewaehlt, TKlasse*) { SetzeAktKurs(gewaehlt); });
      ZeigeMenue(menue.Eintraege(), MenueOrt(panel, spalte, zeile));
      return;
    }
    case Modus::Setzen:
      if (gruende) SperrgrundMenue(panel, spalte, zeile);
      return;
    case Modus::Schieben: {
      bool zieht = false;
      for (int i = 0; i < Gitterzahl(); ++i) zieht = zieht || Gitter(i)->Zieht();
      if (!zieht && !(Tasten() & Taste::Strg) && gruende && kurs != planung_.AktKurs())
        SperrgrundMenue(panel, spalte, zeile);
      return;
    }
    default:
      return;
  }
}

void TManuellForm::GridDblClick(int panel, int spalte, int zeile) {
  TSchule::TAktion aktion(Schule());
  menueZeit_->stop();
  doppelklick_ = true;
  if (!IstKoerper(panel, spalte, zeile)) return;
  TKurs* kurs = Zellen(panel).Kurs(spalte, zeile);
  const bool strg = Tasten() & Taste::Strg;
  switch (Schule().Werkzeugmodus()) {
    case Modus::Zeigen:
      if (kurs != nullptr && kurs != planung_.AktKurs()) SetzeAktKurs(kurs);
      return;
    case Modus::Setzen:
      planung_.Setze(spalte, zeile);
      Nachher();
      return;
    case Modus::Loeschen:
    case Modus::Fixieren:
      if (kurs == nullptr) return;
      if (!StundeDoppelklick(Schule(), kurs, spalte, zeile, strg)) Loesche(kurs, spalte, zeile);
      Nachher();
      return;
    case Modus::Schieben: {
      const TKurs* vorher = planung_.AktKurs();
      if (planung_.Setze(spalte, zeile)) planung_.WeiterWennVoll();
      if (planung_.AktKurs() != vorher)
        ZeigeAktKurs();
      else
        Nachher();
      return;
    }
    default:
      return;
  }
}

void TManuellForm::Loesche(TKurs* kurs, int tag, int stunde) {
  if (LoescheStundeNachFrage(*kurs, tag, stunde)) planung_.NimmKursAuf(kurs);
}

void TManuellForm::Nachher() {
  if (!IstAngemeldet()) return;
  NeuZeichnen();
}

void TManuellForm::GridEndDrag(int panel, int quelleSpalte, int quelleZeile, int zielSpalte, int zielZeile) {
  TSchule::TAktion aktion(Schule());
  const bool imKoerper = zielSpalte >= 1 && zielZeile >= 1 && IstKoerper(panel, quelleSpalte, quelleZeile);
  if (imKoerper && (Tasten() & Taste::Alt)) {
    SchulTausch(Schule(), quelleSpalte, quelleZeile, zielSpalte, zielZeile);
  } else if (imKoerper) {
    const TKurs* vorher = planung_.AktKurs();
    if (planung_.Verschiebe(quelleSpalte, quelleZeile, zielSpalte, zielZeile) && planung_.AktKurs() != vorher)
      ZeigeAktKurs();
  }
  MarkierungenLoeschen();
  Nachher();
}

// ---------------------------------------------------------------------------------------------
// Element buttons

std::vector<TMenueEintrag> TManuellForm::ElementEintraege(TElementArt art, bool mitOhne) {
  std::vector<TMenueEintrag> eintraege;
  TKurs* akt = planung_.AktKurs();
  if (akt == nullptr) return eintraege;
  std::vector<TKurs*> kurse{akt};
  if (planung_.GezeigteKopplung() != nullptr) kurse = planung_.GezeigteKopplung()->Kurse().Elemente();
  std::vector<TElement*> gesehen;
  auto eigene = [&](const TElement* e) {
    switch (art) {
      case TElementArt::Lehrer:
        return akt->Lehrer() == e;
      case TElementArt::Fach:
        return akt->Fach() == e;
      case TElementArt::Klasse:
        return akt->Klassen().Position(static_cast<const TKlasse*>(e)) > 0;
      default:
        return akt->Raeume().Position(static_cast<const TRaum*>(e)) > 0;
    }
  };
  if (mitOhne) {
    TMenueEintrag ohne;
    ohne.Text = "ohne";
    ohne.Aktion = [this] {
      planung_.SetzeRaum(nullptr);
      ZeigeFelder();
      NeuZeichnen();
    };
    eintraege.push_back(std::move(ohne));
  }
  auto fuege = [&](TElement* e) {
    if (e == nullptr || std::find(gesehen.begin(), gesehen.end(), e) != gesehen.end()) return;
    gesehen.push_back(e);
    TMenueEintrag eintrag;
    eintrag.Text = e->Kuerzel();
    eintrag.Haken = eigene(e);
    if (art == TElementArt::Raum) {
      auto* raum = static_cast<TRaum*>(e);
      const bool eigen = eintrag.Haken;
      eintrag.Aktion = [this, raum, eigen] {
        if (eigen) planung_.SetzeRaum(raum);
        ZeigeImAktivenPanel(raum);
        ZeigeFelder();
        NeuZeichnen();
      };
    } else if (art != TElementArt::Fach) {
      auto* plan = static_cast<TPlanElement*>(e);
      eintrag.Aktion = [this, plan] { ZeigeImAktivenPanel(plan); };
    }
    eintraege.push_back(std::move(eintrag));
  };
  for (TKurs* k : kurse) {
    switch (art) {
      case TElementArt::Lehrer:
        fuege(k->Lehrer());
        break;
      case TElementArt::Fach:
        fuege(k->Fach());
        break;
      case TElementArt::Klasse:
        for (TKlasse* kl : k->Klassen()) fuege(kl);
        break;
      default:
        for (TRaum* r : k->Raeume()) fuege(r);
        break;
    }
  }
  return eintraege;
}

void TManuellForm::ElementKnopf(QPushButton* knopf, TElementArt art) {
  const QPoint ort = knopf->mapToGlobal(QPoint(0, knopf->height()));
  if ((Tasten() & Taste::Strg) && palette_ != nullptr && art != TElementArt::Fach) {
    if (palette_->WaehleElement(art, false, ort))
      if (auto* e = dynamic_cast<TPlanElement*>(palette_->Wahl(art))) ZeigeImAktivenPanel(e);
    return;
  }
  ZeigeMenue(ElementEintraege(art, art == TElementArt::Raum), ort);
}

void TManuellForm::LehrerKnopfClick() {
  ElementKnopf(LehrerKnopf, TElementArt::Lehrer);
}

void TManuellForm::KlassenKnopfClick() {
  ElementKnopf(KlassenKnopf, TElementArt::Klasse);
}

void TManuellForm::FachKnopfClick() {
  ElementKnopf(FachKnopf, TElementArt::Fach);
}

void TManuellForm::RaumKnopfClick() {
  ElementKnopf(RaumKnopf, TElementArt::Raum);
}

void TManuellForm::KopplKnopfClick() {
  TKurs* akt = planung_.AktKurs();
  if (akt == nullptr || akt->Kopplung() == nullptr) return;
  std::vector<TMenueEintrag> eintraege;
  auto zeige = [this](bool an) {
    planung_.ZeigeKopplung(an);
    ZeigeFelder();
    NeuZeichnen();
  };
  eintraege.push_back(
      {"ohne", planung_.GezeigteKopplung() == nullptr, true, false, [zeige] { zeige(false); }});
  eintraege.push_back({akt->Kopplung()->Kuerzel(), planung_.GezeigteKopplung() != nullptr, true, false,
                       [zeige] { zeige(true); }});
  for (TKurs* k : akt->Kopplung()->Kurse().Elemente())
    eintraege.push_back({k->TextMitHauptraum(), k == akt, true, false, [this, k] { SetzeAktKurs(k); }});
  ZeigeMenue(eintraege, KopplKnopf->mapToGlobal(QPoint(0, KopplKnopf->height())));
}

void TManuellForm::ZeigeKnopfClick() {
  TStandard& st = Schule().Standard();
  st.SetManuellZeigeKopplung(!st.PlanFenster.pzk);
  ZeigeFelder();
  for (int i = 0; i < Gitterzahl(); ++i) Gitter(i)->viewport()->update();
}

}  // namespace kolvar
