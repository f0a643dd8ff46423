// Warming up the engines while a search is typed: with the real windows and
// panes, three loopback servers stand for three engines and count the
// connections and requests they get.

#include "gui/chromiumflags.h"
#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "gui/twebbrowser.h"
#include "guitestenv.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEnginePage>

#include <array>
#include <memory>

namespace {

// Counts connections and records the requests ("GET /robots.txt"); leaves
// them unanswered, answers them with a small text, or closes the connection.
class TCountingServer : public QObject {
 public:
  TCountingServer() {
    connect(&FServer, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = FServer.nextPendingConnection()) {
        ++Connections;
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  bool Listen() { return FServer.listen(QHostAddress::LocalHost); }
  QString Command() const { return QStringLiteral("http://127.0.0.1:%1/search?q=").arg(FServer.serverPort()); }

  enum class TAnswer { None, Text, Close };

  int Connections = 0;
  QStringList Requests;
  TAnswer Answer = TAnswer::None;

 private:
  void Serve(QTcpSocket* Socket) {
    QByteArray& buffer = FBuffers[Socket];
    buffer += Socket->readAll();
    if (!buffer.contains("\r\n\r\n")) return;
    const QList<QByteArray> words = buffer.left(buffer.indexOf("\r\n")).split(' ');
    FBuffers.remove(Socket);
    Requests.append(QString::fromLatin1(words.value(0) + ' ' + words.value(1)));
    if (Answer == TAnswer::None) return;
    if (Answer == TAnswer::Text) Socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
    Socket->disconnectFromHost();
  }

  QTcpServer FServer;
  QHash<QTcpSocket*, QByteArray> FBuffers;
};

// The processes this one started, and theirs: the browser's renderers.
QSet<qint64> DescendantPids() {
  QHash<qint64, qint64> parents;
  for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
    if (!stat.open(QIODevice::ReadOnly)) continue;
    // "pid (name) state ppid ...": the name may hold spaces, not ')'.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    parents.insert(entry.toLongLong(), fields.value(1).toLongLong());
  }
  QSet<qint64> found{QCoreApplication::applicationPid()};
  for (qsizetype before = 0; before != found.size();) {
    before = found.size();
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
      if (found.contains(it.value())) found.insert(it.key());
    }
  }
  found.remove(QCoreApplication::applicationPid());
  return found;
}

}  // namespace

class PreconnectTest : public QObject {
  Q_OBJECT

 private:
  std::array<TCountingServer, 3> FServers;
  std::unique_ptr<TApplicationState> FState;
  std::unique_ptr<TForm3> FForm3;
  std::unique_ptr<TForm1> FForm1;

  static QString DataFolder() { return guitest::Home() + QStringLiteral("/Documents/Orvandel/Varnesk/"); }

  void Open() {
    for (TCountingServer& server : FServers) {
      server.Connections = 0;
      server.Requests.clear();
    }
    guitest::OpenWindows(FState, FForm3, FForm1);
    QVERIFY(guitest::ShowAndWaitForStartPages(*FForm3, *FState));
    FForm3->CheckBox5->setChecked(false);
    QTest::qWait(1500);
    for (const TCountingServer& server : FServers) QCOMPARE(server.Connections, 0);  // nothing at start-up
  }

 private Q_SLOTS:
  void initTestCase() {
    for (TCountingServer& server : FServers) QVERIFY(server.Listen());
    QVERIFY(QDir().mkpath(DataFolder()));
    QFile file(DataFolder() + QStringLiteral("vrk.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const TCountingServer& server : FServers) file.write((server.Command() + QStringLiteral("\r\n")).toLatin1());
    file.write("yes\r\nyes\r\n150\r\n100\r\n120\r\n");
  }

  void cleanup() {
    QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList());
    for (TCountingServer& server : FServers) server.Answer = TCountingServer::TAnswer::None;
  }

  void typingWarmsUpTheTickedEnginesOnly() {
    Open();
    FForm3->Edit4->setText(QStringLiteral("set by the program"));
    QTest::qWait(500);
    QCOMPARE(FServers[0].Connections, 0);
    FForm3->Edit4->setFocus();
    QTest::keyClicks(FForm3->Edit4, QStringLiteral("red"));
    QVERIFY(guitest::WaitFor([&] { return FServers[0].Connections > 0 && FServers[1].Connections > 0; }, 10000));
    QTest::qWait(500);
    QCOMPARE(FServers[2].Connections, 0);
  }

  void firstSearchReusesTheWarmedProcess() {
    for (TCountingServer& server : FServers) server.Answer = TCountingServer::TAnswer::Text;
    Open();
    FForm3->Edit4->setFocus();
    QTest::keyClicks(FForm3->Edit4, QStringLiteral("red"));
    const QStringList robots{QStringLiteral("GET /robots.txt")};
    QVERIFY(guitest::WaitFor([&] { return FServers[0].Requests == robots && FServers[1].Requests == robots; }, 10000));
    QTest::qWait(1000);  // the hidden pages commit
    const QSet<qint64> warmed = DescendantPids();
    QTest::keyClick(FForm3->Edit4, Qt::Key_Return);
    QVERIFY(guitest::WaitFor([&] { return FForm3->Edit4->text().isEmpty(); }, 10000));
    // The pane runs in a process that was there before the search.
    QVERIFY(warmed.contains(FForm3->WebBrowser1->page()->renderProcessPid()));
    QVERIFY(warmed.contains(FForm3->WebBrowser2->page()->renderProcessPid()));

    // The next search only opens the connection again.
    QTest::keyClicks(FForm3->Edit4, QStringLiteral("blue"));
    for (TCountingServer* server : {&FServers[0], &FServers[1]}) {
      QVERIFY(guitest::WaitFor([&] { return server->Requests.contains(QStringLiteral("HEAD /")); }, 10000));
      QCOMPARE(server->Requests.count(QStringLiteral("GET /robots.txt")), 1);
    }
    QCOMPARE(FServers[2].Requests, QStringList());
  }

  void aFailedWarmUpLoadsAgain() {
    FServers[0].Answer = TCountingServer::TAnswer::Close;
    Open();
    FForm3->Edit4->setFocus();
    QTest::keyClicks(FForm3->Edit4, QStringLiteral("red"));
    const QString robots = QStringLiteral("GET /robots.txt");
    QVERIFY(guitest::WaitFor([&] { return FServers[0].Requests.contains(robots); }, 10000));
    QTest::qWait(1000);  // the hidden page fails
    QTest::keyClick(FForm3->Edit4, Qt::Key_Return);
    QVERIFY(guitest::WaitFor([&] { return FServers[0].Requests.contains(QStringLiteral("GET /search?q=red")); }, 10000));
    QTest::keyClicks(FForm3->Edit4, QStringLiteral(" apple"));
    QVERIFY(guitest::WaitFor([&] { return FServers[0].Requests.count(robots) == 2; }, 10000));
    QVERIFY(!FServers[0].Requests.contains(QStringLiteral("HEAD /")));
  }

  void offWarmsUpNothing() {
    QFile file(DataFolder() + QStringLiteral("varnesk.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nPreconnect=false\n");
    file.close();
    Open();
    FForm3->Edit4->setFocus();
    QTest::keyClicks(FForm3->Edit4, QStringLiteral("red"));
    QTest::qWait(3000);
    for (const TCountingServer& server : FServers) QCOMPARE(server.Connections, 0);
    QFile::remove(file.fileName());
  }

  void rendererPerSiteLeavesTheUsersChoice_data() {
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("nothing given") << QByteArray() << QByteArray("--process-per-site");
    QTest::newRow("after the user's switches")
        << QByteArray("--disable-gpu") << QByteArray("--disable-gpu --process-per-site");
    QTest::newRow("the user's process model wins") << QByteArray("--process-per-tab") << QByteArray("--process-per-tab");
    QTest::newRow("one process has no model") << QByteArray("--single-process") << QByteArray("--single-process");
    QTest::newRow("never twice") << QByteArray("--process-per-site") << QByteArray("--process-per-site");
  }

  void rendererPerSiteLeavesTheUsersChoice() {
    QFETCH(QByteArray, given);
    QFETCH(QByteArray, expected);
    // The browser read the variable when it started; this changes nothing.
    const QByteArray started = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", given);
    chromiumflags::ShareRendererPerSite();
    const QByteArray result = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", started);
    QCOMPARE(result, expected);
  }
};

VARNESK_GUI_TEST_MAIN(PreconnectTest)
#include "preconnect_test.moc"
