// The palette's speed buttons: their pictures, drawn in code, and where each layout ("pas" 0..6)
// puts them.
#pragma once

#include <QHash>
#include <QIcon>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

class QToolButton;
class QWidget;

namespace kolvar {

inline constexpr int kKnopfGroesse = 25;

// The buttons in the order of the one-row layout; "Vers" is the version panel.
const QStringList& KnopfReihe();

struct TKnopfOrt {
  QString name;
  QPoint ort;
};

// Every button's place in the layout, and the client size that holds them.
std::vector<TKnopfOrt> KnopfOrte(int pas, QSize& flaeche);

// The button's picture, with a greyed, embossed one for the disabled button: the toolkit's own
// keeps dark strokes dark, so a disabled button would look much like an enabled one.
QIcon KnopfBild(const QString& name);

// The fourteen speed buttons by name (all but the version button), each with its hint and
// picture, children of the area.
QHash<QString, QToolButton*> BaueKnoepfe(QWidget* flaeche);

}  // namespace kolvar
