#include "zwischenablage/zwischenform.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

#include "model/schule.h"
#include "model/tabstopps.h"
#include "platform/ablage.h"
#include "platform/dienste.h"
#include "platform/qttextmass.h"
#include "platform/textflaeche.h"

namespace kolvar {

TZwischenForm::TZwischenForm(TSchule& schule, IFensterListe* liste)
    : TKindFenster(FensterArt::Zwischen, schule, liste) {
  setObjectName(QStringLiteral("ZwischenForm"));
  TKindFenster::SetzeCaption(QStringLiteral("Zwischenablage"));
  inhalt_ = TextFlaecheAnlegen(this);
  resize(400, 250);
  Aktualisiere();
}

void TZwischenForm::Aktualisiere() {
  IAblage& ablage = TDienste::Ablage();
  if (!ablage.HatText()) return;
  const QString text = ablage.Text();
  inhalt_->setPlainText(text);
  // The copied tables are TAB-separated: each column starts after the widest cell before it.
  const TQtTextMass mass(inhalt_->font());
  QList<QTextOption::Tab> tabs;
  for (int x :
       TabStopps(text.toStdString(), mass, inhalt_->fontMetrics().horizontalAdvance(QStringLiteral("  "))))
    tabs.append(QTextOption::Tab(x, QTextOption::LeftTab));
  QTextOption option = inhalt_->document()->defaultTextOption();
  option.setTabs(tabs);
  inhalt_->document()->setDefaultTextOption(option);
}

QString TZwischenForm::Inhalt() const {
  return inhalt_->toPlainText();
}

}  // namespace kolvar
