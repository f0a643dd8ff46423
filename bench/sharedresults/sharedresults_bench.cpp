// How long the shared-result marks take: three panes load result pages of
// 100 links each (wrapped as Google, Bing and Yahoo wrap them, a third of
// them shared), and the time from the last pane's completion to every page
// having its marks is printed for each round, with the median and the
// worst, and the share of it that the rules themselves take (the rest is
// the pages answering). Run under a display (xvfb-run), e.g.
//   sharedresults_bench [rounds]

#include "gui/tsharedresultsmarker.h"
#include "preferences/preferences.h"
#include "sharedresults/sharedmarks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLinks = 100;

QByteArray Target(int Engine, int Result) {
  // Results 0..29 every engine shows; the rest are the engine's own.
  if (Result < 30) return "https://site" + QByteArray::number(Result) + ".example/page?id=" + QByteArray::number(Result);
  return "https://only" + QByteArray::number(Engine) + ".example/r" + QByteArray::number(Result);
}

QByteArray Wrapped(int Engine, const QByteArray& Target) {
  switch (Engine) {
    case 0: return "/url?q=" + QUrl::toPercentEncoding(QString::fromLatin1(Target)) + "&amp;sa=U";
    case 1:
      return "https://www.bing.com/ck/a?!&amp;&amp;p=1&amp;u=a1" +
             Target.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals) + "&amp;ntb=1";
    default:
      return "https://r.search.yahoo.com/_ylt=A/RV=2/RU=" + QUrl::toPercentEncoding(QString::fromLatin1(Target)) +
             "/RK=2/RS=x-";
  }
}

const char* const kBase[3] = {"https://www.google.com/search?q=x", "https://www.bing.com/search?q=x",
                              "https://search.yahoo.com/search?p=x"};

// The links of a result page: ten of the engine's own, the rest results.
QList<QByteArray> Links(int Engine) {
  QList<QByteArray> links;
  for (int i = 0; i < 10; ++i) links << "/own" + QByteArray::number(i);
  for (int i = 0; i < kLinks - 10; ++i) links << Wrapped(Engine, Target(Engine, (i * 7 + Engine * 3) % (kLinks - 10)));
  return links;
}

QString Page(int Engine) {
  QByteArray html = "<!doctype html><html><body style='font:14px sans-serif'>";
  for (const QByteArray& link : Links(Engine)) {
    html += "<div><a href='" + link + "'><h3>" + link.left(60) + "</h3></a></div>";
  }
  return QString::fromLatin1(html + "</body></html>");
}

// Milliseconds the rules take for the three pages, best of a few runs.
double RulesMs() {
  TPerSlot<TPaneLinks> panes;
  for (int engine = 0; engine < 3; ++engine) {
    const QUrl base(QString::fromLatin1(kBase[engine]));
    panes[engine].PageHost = base.host().toStdU16String();
    for (const QByteArray& link : Links(engine)) {
      const QString href = base.resolved(QUrl(QString::fromLatin1(link).replace(QStringLiteral("&amp;"), QStringLiteral("&")))).toString();
      panes[engine].Links.push_back(href.toStdU16String());
    }
  }
  double best = 1e9;
  for (int run = 0; run < 20; ++run) {
    QElapsedTimer timer;
    timer.start();
    const TSharedMarks marks = SharedResultMarks(panes);
    best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    if (marks[0].size() != static_cast<std::size_t>(kLinks)) return -1;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

  QWidget window;
  window.resize(1264, 681);
  std::array<QWebEngineView*, 3> views{};
  int loaded = 0;
  QElapsedTimer clock;
  for (std::size_t i = 0; i < views.size(); ++i) {
    views[i] = new QWebEngineView(&window);
    views[i]->setGeometry(static_cast<int>(i) * 421, 0, 420, 681);
    // Connected before the marker: the clock starts before it hears of the load.
    QObject::connect(views[i]->page(), &QWebEnginePage::loadFinished, &window, [&] {
      if (++loaded == 3) clock.start();
    });
  }
  window.show();
  TPreferences preferences;
  TSharedResultsMarker marker({views[0]->page(), views[1]->page(), views[2]->page()}, preferences, {}, &window);

  std::vector<double> times;
  for (int round = 0; round <= rounds; ++round) {
    loaded = 0;
    QEventLoop loop;
    QObject::connect(&marker, &TSharedResultsMarker::marksApplied, &loop, [&] {
      if (loaded == 3) loop.quit();
    });
    QTimer::singleShot(30000, &loop, [&] { loop.exit(1); });
    for (std::size_t i = 0; i < views.size(); ++i) views[i]->setHtml(Page(static_cast<int>(i)), QUrl(QString::fromLatin1(kBase[i])));
    if (loop.exec() != 0) {
      std::fprintf(stderr, "round %d: no marks within 30 s\n", round);
      return 1;
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (round > 0) times.push_back(ms);  // the first round warms the engine up
  }

  // The marks on the last round's pages, to show the work was real.
  int marked = 0;
  bool answered = false;
  views[0]->page()->runJavaScript(QStringLiteral("document.querySelectorAll('[data-varnesk-also]').length"),
                                  [&](const QVariant& Count) {
                                    marked = Count.toInt();
                                    answered = true;
                                  });
  while (!answered) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

  std::sort(times.begin(), times.end());
  std::printf("shared-result marks, 3 pages x %d links, %zu rounds\n", kLinks, times.size());
  std::printf("  last completion -> marks set: median %.1f ms, best %.1f ms, worst %.1f ms\n",
              times[times.size() / 2], times.front(), times.back());
  std::printf("  of which the rules (300 links): %.2f ms\n", RulesMs());
  std::printf("  marked links on the first page: %d (expected 30)\n", marked);
  return 0;
}
