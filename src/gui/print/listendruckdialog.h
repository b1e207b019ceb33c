// TListenDruckDialog: the frame of the list printouts, which have only "linker Rand [cm]" and a
// fixed top margin, and, for the range printouts, the box with "von" and "bis": each button
// picks an element through the palette's pop-up for the kind, and von never lies after bis.
#pragma once

#include <QPoint>
#include <functional>
#include <vector>

#include "print/druckdialog.h"

class QLabel;
class QPushButton;

namespace kolvar {

class TListenDruckDialog : public TDruckDialog {
  Q_OBJECT

 public:
  // The palette's element pop-up for a kind at a screen point: the element picked, or null.
  using TPicker = std::function<TElement*(TElementArt, const QPoint&)>;

  TElement* Von() const { return von_; }
  TElement* Bis() const { return bis_; }
  QLabel* VonFeld() const { return vonFeld_; }
  QLabel* BisFeld() const { return bisFeld_; }
  void VonKnopfClick();
  void BisKnopfClick();
  // The range's list: von and bis become its first and last element.
  void SetzeListe(TElementArt art);
  // The elements from von to bis in list order.
  std::vector<TElement*> Bereich() const;

 protected:
  TListenDruckDialog(TSchule& schule, const QString& caption, TSchrift& schrift, int& rand, QWidget* eltern);

  // Adds the range box under the title.
  void BaueBereich(const QString& titel, TPicker picker);

 private:
  void Waehle(bool vonKnopf, QPushButton* knopf);
  void ZeigeBereich();

  std::array<int, 3> ungenutzt_{};  // the right, top and bottom margins the frame keeps
  TPicker picker_;
  TElementArt art_ = TElementArt::Lehrer;
  TElement* von_ = nullptr;
  TElement* bis_ = nullptr;
  QLabel* vonFeld_ = nullptr;
  QLabel* bisFeld_ = nullptr;
};

}  // namespace kolvar
