#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel hinweis(QStringLiteral("WinKolvar 2.3.8 – die Bedienoberfläche entsteht noch."));
  hinweis.setWindowTitle(QStringLiteral("WinKolvar 2.3.8"));
  hinweis.setMargin(24);
  hinweis.show();
  return app.exec();
}
