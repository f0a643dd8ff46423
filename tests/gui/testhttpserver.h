// A loopback HTTP server for the window tests: it listens on 127.0.0.1 on a
// free port, reads each request up to its blank line (no body), hands it to
// the test's handler and writes the handler's response, then closes the
// connection. A response may also be held: the request is never answered
// and the load goes on until the browser stops it. UI thread only; it stops
// listening and drops its connections when destroyed.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// One request as read from the wire; header names are in lower case.
struct THttpRequest {
  QByteArray Method;
  QByteArray Target;
  // The Host header's name without its port.
  QByteArray Host;
  QMap<QByteArray, QByteArray> Headers;
};

struct THttpResponse {
  int Status = 200;
  QByteArray ContentType = "text/html; charset=utf-8";
  QByteArray Body;
  // Further header lines, each ending in "\r\n".
  QByteArray ExtraHeaders;
  // Never answered.
  bool Held = false;
};

class TTestHttpServer {
 public:
  using THandler = std::function<THttpResponse(const THttpRequest&)>;

  explicit TTestHttpServer(THandler Handler);

  bool Listen();
  quint16 Port() const;
  // "http://Host:port" followed by Target, which starts with '/'.
  QString Url(const QString& Host, const QString& Target) const;

  // An empty 404 Not Found.
  static THttpResponse NotFound();

 private:
  void Read(QTcpSocket* Socket);

  THandler FHandler;
  // Requests read in part, per connection.
  QMap<QTcpSocket*, QByteArray> FBuffers;
  // Last, so it goes first: its connections still find the members above.
  QTcpServer FServer;
};
