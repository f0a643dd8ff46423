// The yardstick for Varnesk's start-up, search latency and memory: a bare
// Qt WebEngine program with a window of Varnesk's size and three views side
// by side, and nothing else.
//
// Usage: reference_panes START1 START2 START3 RESULT1 RESULT2 RESULT3
// Loads the three start URLs at once; the Enter key then sends the three
// views to the three result URLs.

#include <QApplication>
#include <QKeyEvent>
#include <QUrl>
#include <QWebEngineView>
#include <QWidget>

#include <array>
#include <cstdio>

namespace {

// Sends the views to the result pages when Enter is pressed in the window.
class TEnterFilter : public QObject {
 public:
  TEnterFilter(const std::array<QWebEngineView*, 3>& Views, const QStringList& Urls) : FViews(Views), FUrls(Urls) {}

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Return) {
      for (int i = 0; i < 3; ++i) FViews[i]->load(QUrl(FUrls[i]));
      return true;
    }
    return QObject::eventFilter(Watched, Event);
  }

 private:
  std::array<QWebEngineView*, 3> FViews;
  QStringList FUrls;
};

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 7) {
    std::fprintf(stderr, "usage: reference_panes START1 START2 START3 RESULT1 RESULT2 RESULT3\n");
    return 2;
  }

  QWidget window;
  window.setWindowTitle(QStringLiteral("Reference panes"));
  window.resize(1264, 681);
  std::array<QWebEngineView*, 3> views{};
  for (int i = 0; i < 3; ++i) {
    views[i] = new QWebEngineView(&window);
    views[i]->setGeometry(i * 422, 136, i == 2 ? 426 : 425, 545);
    views[i]->load(QUrl(args[1 + i]));
  }
  window.show();

  TEnterFilter enter(views, args.mid(4));
  application.installEventFilter(&enter);
  return QApplication::exec();
}
