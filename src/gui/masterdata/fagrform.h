// TFaGrForm: a subject's master data: its name, the teachers who teach it and the classes that
// have it, each with its hours, and the subject's hours on the class and the teacher side.
#pragma once

#include "masterdata/grform.h"

namespace kolvar {

class TFach;

class TFaGrForm : public TGrForm {
  Q_OBJECT

 public:
  TFaGrForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);

  TFach* Fach() const;
  void Zeige() override;
  void LehrerEinfuegen(TElement* lehrer) { Einfuegen(*LehrerGrid, lehrer); }
  void KlasseEinfuegen(TElement* klasse) { Einfuegen(*KlassenGrid, klasse); }

  QLineEdit* KlassenIstFeld = nullptr;
  QLineEdit* KlassenIstEinfachFeld = nullptr;
  QLineEdit* LehrerIstFeld = nullptr;
  QLineEdit* LehrerIstEinfachFeld = nullptr;
  TGitter* LehrerGrid = nullptr;
  TGitter* KlassenGrid = nullptr;

  static TElement* ElementIn(const TGitter& liste, int zeile);
  // Release in the active window: the subject's courses of that teacher or class.
  void ListeMouseUp(TGitter& liste, int zeile);
  // The element's window of the current view group (Shift: the workloads).
  void ListeDblClick(TGitter& liste, int zeile);

 protected:
  void Fuelle() override;

 private:
  static void Einfuegen(TGitter& liste, TElement* e);
  void FuelleListe(TGitter& liste, const std::vector<TElement*>& elemente);
  void Zeichne(QPainter& p, const TGitter& liste, int zeile, const QRect& r, bool ausgewaehlt) const;
};

}  // namespace kolvar
