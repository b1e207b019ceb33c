#include "views/setzdialoge.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/zeitfeld.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/text.h"
#include "platform/fensterrahmen.h"
#include "platform/gitter.h"

namespace kolvar {

namespace {

// The borders the window manager adds left and right, at the most.
constexpr int kFensterRand = 20;

}  // namespace

TPlanDialog::TPlanDialog(const QString& caption, bool warnbild, QWidget* eltern) : TKvDialog(eltern) {
  // The dialog frame with a close box alone (which answers as the cancel button): without it Qt
  // asks the window manager for every function, minimise and maximise included.
  setWindowTitle(caption);
  auto* aussen = new QVBoxLayout(this);
  auto* oben = new QHBoxLayout;
  aussen->addLayout(oben);
  if (warnbild) {
    auto* bild = new QLabel(this);
    bild->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32));
    bild->setAlignment(Qt::AlignTop);
    oben->addWidget(bild);
  }
  zeilen_ = new QVBoxLayout;
  oben->addLayout(zeilen_, 1);
  knoepfe_ = new QHBoxLayout;
  knoepfe_->addStretch(1);
  aussen->addLayout(knoepfe_);
}

QLabel* TPlanDialog::Zeile(const QString& text) {
  auto* zeile = new QLabel(text, this);
  zeile->setTextFormat(Qt::PlainText);
  zeilen_->addWidget(zeile);
  return zeile;
}

TGitter* TPlanDialog::Liste(int breite) {
  auto* liste = new TGitter;
  liste->SetzeSpalten(1);
  liste->SetzeZeilen(1);
  liste->SetzeFesteSpalten(0);
  liste->SetzeFesteZeilen(0);
  liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The grid scrolls by whole columns, and a list has one: a row wider than the screen is
  // reached by scrolling the list itself sideways in a frame of its own.
  auto* rahmen = new QScrollArea(this);
  rahmen->setFrameShape(QFrame::NoFrame);
  rahmen->setFocusPolicy(Qt::NoFocus);  // the list takes the keys
  rahmen->setWidgetResizable(true);
  rahmen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rahmen->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  rahmen->setWidget(liste);
  rahmen->setMinimumHeight(5 * (liste->StandardHoehe() + 1));
  listen_.push_back({liste, rahmen, breite});
  SetzeListenBreite(listen_.back(), breite, breite);
  zeilen_->addWidget(rahmen, 1);
  return liste;
}

void TPlanDialog::SetzeListenBreite(const TListe& l, int breite, int hoechstens) {
  l.liste->SetzeStandardBreite(breite);
  const int ganz = breite + l.liste->verticalScrollBar()->sizeHint().width() + 2 * l.liste->frameWidth() + 2;
  l.liste->setFixedWidth(ganz);
  l.rahmen->setFixedWidth(std::min(ganz, hoechstens));
}

QPushButton* TPlanDialog::NeuerKnopf(const QString& text, int ergebnis) {
  auto* knopf = new QPushButton(text, this);
  knopf->setAutoDefault(false);
  KnopfErgebnis(knopf, ergebnis);
  knoepfe_->addWidget(knopf);
  return knopf;
}

void TPlanDialog::Fertig(bool groesseFest) {
  SetzeGroesseFest(groesseFest);
  Einpassen();
}

void TPlanDialog::Einpassen() {
  // A list keeps its given width or grows to its longest row; as long as the dialog stays on the
  // screen it shows the rows whole, beyond that it scrolls. The caption must fit in the title bar.
  const QScreen* bildschirm = screen();
  const int flaeche = bildschirm != nullptr ? bildschirm->availableGeometry().width() : 2000;
  // What the dialog holds beside its lists (the sign, the margins), and a window frame.
  int daneben = 0;
  for (const TListe& l : listen_) daneben = std::max(daneben, sizeHint().width() - l.rahmen->minimumWidth());
  const int hoechstens = std::max(100, flaeche - daneben - kFensterRand);
  for (const TListe& l : listen_) {
    const QFontMetrics mass(l.liste->font());
    int breite = l.mindestens;
    for (int z = 0; z < l.liste->Zeilen(); ++z)
      breite = std::max(breite, mass.horizontalAdvance(l.liste->Text(0, z)) + 6);
    SetzeListenBreite(l, breite, hoechstens);
  }
  if (GroesseFest()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  layout()->activate();
  adjustSize();
  resize(std::max(width(), TitelBreite(windowTitle())), height());
  if (GroesseFest()) setFixedSize(size());
}

void FuelleListe(TGitter& liste, const QStringList& texte) {
  liste.Leeren();
  liste.SetzeZeilen(std::max<int>(1, static_cast<int>(texte.size())));
  for (int i = 0; i < texte.size(); ++i) liste.SetzeText(0, i, texte[i]);
}

QStringList ZuTexten(const std::vector<std::string>& texte, std::size_t ab) {
  QStringList liste;
  for (std::size_t i = ab; i < texte.size(); ++i) liste << QString::fromStdString(texte[i]);
  return liste;
}

// ---------------------------------------------------------------------------------------------

TSetzVerbForm::TSetzVerbForm(QWidget* eltern) : TPlanDialog(QStringLiteral("Setzungsverbot"), true, eltern) {
  Zeile(QStringLiteral("Konflikt"));
  ZeitFeld = Zeile(QString());
  KonflGrid = Liste(250);
  Zeile(QStringLiteral("Sperrungen und Fixierungen können"));
  Zeile(QStringLiteral("nicht verdrängt werden."));
  QPushButton* ok = NeuerKnopf(QStringLiteral("Ok"), Modal::Ok);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(ok);
  Fertig(true);
}

void TSetzVerbForm::Fuellen(const QString& zeit, const QStringList& konflikte) {
  ZeitFeld->setText(zeit);
  FuelleListe(*KonflGrid, konflikte);
}

TVerdraengForm::TVerdraengForm(QWidget* eltern) : TPlanDialog(QStringLiteral("Verdrängen"), true, eltern) {
  Zeile(QStringLiteral("Konflikt mit"));
  ZeitFeld = Zeile(QString());
  KonflGrid = Liste(250);
  QPushButton* trotzdem = NeuerKnopf(QStringLiteral("Trotzdem setzen"), Modal::Ja);
  QPushButton* abbrechen = NeuerKnopf(QStringLiteral("Abbrechen"), Modal::Abbrechen);
  (void)trotzdem;
  SetzeStandardKnopf(abbrechen);
  SetzeAbbruchKnopf(abbrechen);
  Fertig(true);
}

void TVerdraengForm::Fuellen(const QString& zeit, const QStringList& konflikte) {
  ZeitFeld->setText(zeit);
  FuelleListe(*KonflGrid, konflikte);
}

TRaTauschForm::TRaTauschForm(QWidget* eltern) : TPlanDialog(QStringLiteral("Raumtausch"), true, eltern) {
  Zeile(QStringLiteral("Sollen die Räume getauscht werden?"));
  Kurs1Feld = Zeile(QString());
  Kurs2Feld = Zeile(QString());
  ZeitFeld = Zeile(QString());
  QPushButton* ok = NeuerKnopf(QStringLiteral("Ok"), Modal::Ok);
  QPushButton* abbrechen = NeuerKnopf(QStringLiteral("Abbrechen"), Modal::Abbrechen);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
  Fertig(true);
}

void TRaTauschForm::Fuellen(const QString& text1, const QString& text2, const QString& zeit) {
  Kurs1Feld->setText(text1);
  Kurs2Feld->setText(text2);
  ZeitFeld->setText(zeit);
}

TKursImRaPlnForm::TKursImRaPlnForm(QWidget* eltern)
    : TPlanDialog(QStringLiteral("Kurs im Raumplan"), true, eltern) {
  Zeile(QStringLiteral("Der Kurs"));
  KursFeld = Zeile(QString());
  Zeile(QStringLiteral("ist schon im Plan"));
  Zeile(QStringLiteral("von Raum"));
  Raumfeld = Zeile(QString());
  Zeile(QStringLiteral("Soll der Raum trotzdem aus"));
  Zeile(QStringLiteral("dem Kurs entfernt werden?"));
  NeuerKnopf(QStringLiteral("Ja"), Modal::Ja);
  QPushButton* nein = NeuerKnopf(QStringLiteral("Nein"), Modal::Nein);
  SetzeStandardKnopf(nein);
  SetzeAbbruchKnopf(nein);
  Fertig(true);
}

void TKursImRaPlnForm::Fuellen(const QString& kurs, const QString& raum) {
  KursFeld->setText(kurs);
  Raumfeld->setText(QString::fromStdString(KuerzeText(raum.toStdString() + ".", 8)));
}

TSchulTauschForm::TSchulTauschForm(QWidget* eltern)
    : TPlanDialog(QStringLiteral("Stundentausch"), false, eltern) {
  Zeile(QStringLiteral("Tausche"));
  vonFeld = Zeile(QString());
  Zeile(QStringLiteral("mit"));
  bisFeld = Zeile(QString());
  Zeile(QStringLiteral("für die ganze Schule."));
  NeuerKnopf(QStringLiteral("Ok"), Modal::Ok);
  QPushButton* abbrechen = NeuerKnopf(QStringLiteral("Abbrechen"), Modal::Abbrechen);
  SetzeStandardKnopf(abbrechen);
  SetzeAbbruchKnopf(abbrechen);
  Fertig(true);
}

TTauschKonflForm::TTauschKonflForm(QWidget* eltern)
    : TPlanDialog(QStringLiteral("Tauschkonflikte"), false, eltern) {
  Zeile(QStringLiteral("Konflikte durch Sperrungen oder"));
  Zeile(QStringLiteral("Fixierungen. Wollen Sie die"));
  Zeile(QStringLiteral("Stunden trotzdem tauschen?"));
  KonflGrid = Liste(200);
  NeuerKnopf(QStringLiteral("Ja"), Modal::Ja);
  QPushButton* nein = NeuerKnopf(QStringLiteral("Nein"), Modal::Nein);
  SetzeStandardKnopf(nein);
  SetzeAbbruchKnopf(nein);
  Fertig(false);
}

void TauschKonflikteFuellen(TTauschKonflForm& dialog, const TSchule& schule, int tagA, int stundeA,
                            int stundeB, int tagB) {
  FuelleListe(*dialog.KonflGrid, ZuTexten(schule.TauschKonflikte(tagA, stundeA, tagB, stundeB)));
}

bool SchulTausch(TSchule& schule, int tagA, int stundeA, int tagB, int stundeB) {
  if (tagA == tagB && stundeA == stundeB) return false;
  const TStandard& st = schule.Standard();
  TSchulTauschForm frage;
  frage.vonFeld->setText(QString::fromStdString(ZeitFeldText(st, tagA, stundeA)));
  frage.bisFeld->setText(QString::fromStdString(ZeitFeldText(st, tagB, stundeB)));
  if (frage.Zeige() != Modal::Ok) return false;
  if (schule.TauschKonflikt(tagA, stundeA, tagB, stundeB)) {
    TTauschKonflForm konflikte;
    TauschKonflikteFuellen(konflikte, schule, tagA, stundeA, stundeB, tagB);
    if (konflikte.Zeige() != Modal::Ja) return false;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  schule.TauscheStunden(tagA, stundeA, tagB, stundeB);
  QApplication::restoreOverrideCursor();
  return true;
}

TKursLoeschForm::TKursLoeschForm(QWidget* eltern)
    : TPlanDialog(QStringLiteral("gekoppelten Kurs löschen"), false, eltern) {
  Zeile(QStringLiteral("Löschen"));
  ZeitFeld = Zeile(QString());
  Zeile(QStringLiteral("die gekoppelten Kurse"));
  KursFeld = Zeile(QString());
  Zeile(QStringLiteral("gekoppelt mit"));
  KursGrid = Liste(250);
  NeuerKnopf(QStringLiteral("Dieser Kurs"), Modal::Ja);
  NeuerKnopf(QStringLiteral("Kopplung"), Modal::Ok);
  QPushButton* abbrechen = NeuerKnopf(QStringLiteral("Abbrechen"), Modal::Abbrechen);
  SetzeStandardKnopf(abbrechen);
  SetzeAbbruchKnopf(abbrechen);
  Fertig(true);
}

void TKursLoeschForm::Fuellen(const TKurs& kurs, int tag, int stunde) {
  const int v = kurs.Schule().Standard().AktuelleVersion();
  QStringList gekoppelt;
  if (const TKopplung* ko = kurs.Kopplung())
    for (const TKurs* k : ko->Kurse())
      if (k->Belegung().Belegt(v, tag, stunde))
        gekoppelt << QString::fromStdString(k->TextMitRaum(v, tag, stunde));
  Fuellen(SlotText(kurs.Schule(), tag, stunde), QString::fromStdString(kurs.TextMitRaum(v, tag, stunde)),
          gekoppelt);
}

void TKursLoeschForm::Fuellen(const QString& zeit, const QString& kurs, const QStringList& gekoppelt) {
  ZeitFeld->setText(zeit);
  KursFeld->setText(kurs);
  FuelleListe(*KursGrid, gekoppelt);
}

QString SlotText(const TSchule& schule, int tag, int stunde) {
  const TStandard& st = schule.Standard();
  QString text;
  if (tag >= 1 && tag <= kTage) text = QString::fromStdString(st.spg[static_cast<std::size_t>(tag - 1)]);
  text += QLatin1Char(' ');
  const int v = st.AktuelleVersion();
  if (v >= 1 && v <= kMaxVersionen && stunde >= 1 && stunde <= kStunden)
    text +=
        QString::fromStdString(st.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(stunde - 1)]);
  return text;
}

bool ZeigePlanungsDialog(TDialog art, const std::vector<std::string>& texte, int& ergebnis) {
  auto text = [&](std::size_t i) { return i < texte.size() ? QString::fromStdString(texte[i]) : QString(); };
  switch (art) {
    case TDialog::Setzungsverbot: {
      TSetzVerbForm dialog;
      dialog.Fuellen(text(0), ZuTexten(texte, 1));
      ergebnis = dialog.Zeige();
      return true;
    }
    case TDialog::Verdraengen: {
      TVerdraengForm dialog;
      dialog.Fuellen(text(0), ZuTexten(texte, 1));
      ergebnis = dialog.Zeige();
      return true;
    }
    case TDialog::KursLoeschen: {
      TKursLoeschForm dialog;
      dialog.Fuellen(text(0), text(1), ZuTexten(texte, 2));
      ergebnis = dialog.Zeige();
      return true;
    }
    case TDialog::Raumtausch: {
      TRaTauschForm dialog;
      dialog.Fuellen(text(0), text(1), text(2));
      ergebnis = dialog.Zeige();
      return true;
    }
    case TDialog::KursImRaumplan: {
      // The course text and the room are the last two pieces (the caption may lead).
      const std::size_t n = texte.size();
      TKursImRaPlnForm dialog;
      dialog.Fuellen(n >= 2 ? text(n - 2) : text(0), n >= 2 ? text(n - 1) : QString());
      ergebnis = dialog.Zeige();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace kolvar
