// Warming up the engines' connections while a search is typed: with the real
// windows and panes, three loopback servers stand for three engines and
// count the connections they get.

#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "guitestenv.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

#include <array>
#include <memory>

namespace {

// Counts connections and answers none of them.
class TCountingServer : public QObject {
 public:
  TCountingServer() {
    connect(&FServer, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = FServer.nextPendingConnection()) {
        ++Connections;
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  bool Listen() { return FServer.listen(QHostAddress::LocalHost); }
  QString Command() const { return QStringLiteral("http://127.0.0.1:%1/search?q=").arg(FServer.serverPort()); }

  int Connections = 0;

 private:
  QTcpServer FServer;
};

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
    for (TCountingServer& server : FServers) server.Connections = 0;
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

  void cleanup() { QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList()); }

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
};

VARNESK_GUI_TEST_MAIN(PreconnectTest)
#include "preconnect_test.moc"
