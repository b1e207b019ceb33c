#include "platform/wahldialoge.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <algorithm>

namespace kolvar {

namespace {

QColor NachQt(std::uint32_t farbe) {
  return QColor(static_cast<int>(farbe & 0xFFu), static_cast<int>((farbe >> 8) & 0xFFu),
                static_cast<int>((farbe >> 16) & 0xFFu));
}

std::uint32_t AusQt(const QColor& farbe) {
  return static_cast<std::uint32_t>(farbe.red()) | (static_cast<std::uint32_t>(farbe.green()) << 8) |
         (static_cast<std::uint32_t>(farbe.blue()) << 16);
}

class TQtWahlDialoge : public IWahlDialoge {
 public:
  bool WaehleFarbe(std::uint32_t& farbe, TEigeneFarben& eigene, QWidget* eltern) override {
    const int anzahl = std::min<int>(QColorDialog::customCount(), static_cast<int>(eigene.size()));
    for (int i = 0; i < anzahl; ++i)
      QColorDialog::setCustomColor(i, NachQt(eigene[static_cast<std::size_t>(i)]));
    const QColor gewaehlt = QColorDialog::getColor(NachQt(farbe), eltern);
    for (int i = 0; i < anzahl; ++i)
      eigene[static_cast<std::size_t>(i)] = AusQt(QColorDialog::customColor(i));
    if (!gewaehlt.isValid()) return false;
    farbe = AusQt(gewaehlt);
    return true;
  }

  bool WaehleSchrift(TSchrift& schrift, QWidget* eltern) override {
    bool ok = false;
    // The dialog lists real families: "Arial" starts at the family it resolves to.
    QFont start(QFontInfo(QFont(QString::fromStdString(schrift.Name))).family());
    start.setPointSize(std::clamp(schrift.Groesse, 6, 24));
    const QFont neu = QFontDialog::getFont(&ok, start, eltern, QString(), QFontDialog::DontUseNativeDialog);
    if (!ok) return false;
    schrift.Name = neu.family().toStdString();
    schrift.Groesse = std::clamp(neu.pointSize() > 0 ? neu.pointSize() : schrift.Groesse, 6, 24);
    return true;
  }
};

IWahlDialoge* dienst_ = nullptr;

}  // namespace

IWahlDialoge& TWahlDialoge::Dienst() {
  static TQtWahlDialoge qt;
  return dienst_ != nullptr ? *dienst_ : qt;
}

void TWahlDialoge::SetzeDienst(IWahlDialoge* dienst) {
  dienst_ = dienst;
}

}  // namespace kolvar
