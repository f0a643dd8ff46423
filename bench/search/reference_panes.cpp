// The yardstick for Varnesk's start-up, search latency and memory: a bare
// Qt WebEngine program with a window of Varnesk's size, one words line and
// three views side by side in a named, disk-backed profile like Varnesk's,
// and nothing else.
//
// Usage: reference_panes START1 START2 START3 RESULT1 RESULT2 RESULT3
// Loads the three start URLs at once; Enter in the words line then sends the
// three views to the three result URLs.

#include <QApplication>
#include <QLineEdit>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>

#include <array>
#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 7) {
    std::fprintf(stderr, "usage: reference_panes START1 START2 START3 RESULT1 RESULT2 RESULT3\n");
    return 2;
  }

  auto* profile = new QWebEngineProfile(QStringLiteral("ReferencePanes"), &application);
  profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Reference panes"));
  window.resize(1264, 681);
  auto* words = new QLineEdit(&window);
  words->setGeometry(24, 28, 729, 31);
  std::array<QWebEngineView*, 3> views{};
  for (int i = 0; i < 3; ++i) {
    views[i] = new QWebEngineView(&window);
    views[i]->setPage(new QWebEnginePage(profile, views[i]));
    views[i]->setGeometry(i * 422, 136, i == 2 ? 426 : 425, 545);
    views[i]->load(QUrl(args[1 + i]));
  }
  const QStringList results = args.mid(4);
  QObject::connect(words, &QLineEdit::returnPressed, &window, [&views, results] {
    for (int i = 0; i < 3; ++i) views[i]->load(QUrl(results[i]));
  });
  window.show();
  words->setFocus();
  const int code = QApplication::exec();
  for (QWebEngineView* view : views) delete view;
  return code;
}
