// Renders the platform's widgets as the user sees them. With KOLVAR_BILDER set to a folder the
// pictures are written there as PNG for a look by eye.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/cursoren.h"
#include "platform/einstellungsdialog.h"
#include "platform/gitter.h"
#include "platform/spaltenmenue.h"

namespace kolvar {
namespace {

void Ablegen(const QPixmap& bild, const QString& name) {
  ASSERT_FALSE(bild.isNull());
  const QByteArray ordner = qgetenv("KOLVAR_BILDER");
  if (ordner.isEmpty()) return;
  QDir().mkpath(QString::fromLocal8Bit(ordner));
  EXPECT_TRUE(bild.save(QDir(QString::fromLocal8Bit(ordner)).filePath(name + QStringLiteral(".png"))));
}

TEST(Bilder, GefuelltesGitter) {
  TGitter gitter;
  gitter.SetzeSpalten(6);
  gitter.SetzeZeilen(9);
  gitter.SetzeStandardBreite(64);
  gitter.SetzeStandardHoehe(34);
  gitter.SetzeSpaltenBreite(0, 30);
  gitter.SetzeZeilenHoehe(0, 18);
  const QStringList tage{"Mo", "Di", "Mi", "Do", "Fr"};
  for (int t = 1; t <= 5; ++t) gitter.SetzeText(t, 0, tage[t - 1]);
  for (int s = 1; s <= 8; ++s) gitter.SetzeText(0, s, QStringLiteral("%1").arg(s, 2));
  gitter.SetzeText(0, 0, QStringLiteral(" "));
  const QStringList kurse{"5a\nM", "6b\nD", "7c\nE", "8a\nBio"};
  for (int z = 1; z <= 8; ++z)
    for (int s = 1; s <= 5; ++s)
      if ((s * 3 + z) % 4 != 0) gitter.SetzeText(s, z, kurse[(s + z) % 4]);
  gitter.SetzeText(5, 7, QStringLiteral("*sperrung*"));
  gitter.SetzeText(5, 8, QStringLiteral("*sperrung*"));
  gitter.SetzeZeichner([&gitter](QPainter& p, int s, int z, const QRect& r, TZellZustand zustand) {
    const QString text = gitter.Text(s, z);
    if (zustand.fest || text.isEmpty() || !zustand.ausgewaehlt) {
      if (!zustand.fest && text == QLatin1String("*sperrung*")) {
        p.fillRect(r, QColor(128, 128, 128));
        return;
      }
      if (!zustand.fest && !text.isEmpty()) {
        p.fillRect(r, QColor::fromHsv((s * 40 + z * 15) % 360, 60, 250));
        p.drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
        return;
      }
    }
    gitter.ZeichneStandard(p, s, z, r, zustand);
  });
  gitter.SetzeAuswahl({2, 3, 3, 4});
  gitter.resize(gitter.viewportSizeHint() + QSize(2, 2) * gitter.frameWidth());
  gitter.show();
  const QPixmap bild = gitter.grab();
  EXPECT_EQ(bild.size(), gitter.size());
  EXPECT_FALSE(gitter.verticalScrollBar()->isVisible()) << "the whole grid fits";
  Ablegen(bild, QStringLiteral("gitter"));
}

TEST(Bilder, EinstellungsDialogUndSpaltenMenue) {
  TEinstellungsDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Voreinstellungen für Pläne"));
  dialog.Inhalt()->addWidget(new QLabel(QStringLiteral("Stunden im Plan")));
  auto* spin = new QSpinBox;
  spin->setRange(1, 16);
  spin->setValue(8);
  dialog.Inhalt()->addWidget(spin);
  dialog.Inhalt()->addWidget(new QCheckBox(QStringLiteral("Räume anzeigen")));
  dialog.show();
  Ablegen(dialog.grab(), QStringLiteral("dialog"));

  std::vector<TPopupEintrag> eintraege;
  eintraege.push_back({QStringLiteral("ohne"), false, true, 0, {}, false});
  for (int i = 1; i <= 39; ++i)
    eintraege.push_back({QStringLiteral("Le%1").arg(i), i == 4, i != 7, i, {}, false});
  TSpaltenMenue menue;
  menue.SetzeEintraege(eintraege, SpaltenHoehe(40, 16));
  menue.adjustSize();
  Ablegen(menue.grab(), QStringLiteral("spaltenmenue"));
}

TEST(Bilder, Cursoren) {
  const QStringList& namen = KolvarCursorNamen();
  QPixmap tafel(namen.size() * 40, 40);
  tafel.fill(QColor(200, 220, 240));
  QPainter p(&tafel);
  for (int i = 0; i < namen.size(); ++i) p.drawPixmap(i * 40 + 4, 4, KolvarCursorBild(namen[i]));
  p.end();
  Ablegen(tafel, QStringLiteral("cursoren"));
}

}  // namespace
}  // namespace kolvar
