#include "testhttpserver.h"

#include <QTcpSocket>

#include <utility>

namespace {

QByteArray ReasonPhrase(int Status) {
  switch (Status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    default: return Status < 500 ? "Client Error" : "Server Error";
  }
}

// Head holds the request line and the header lines, without the blank line.
THttpRequest Parse(const QByteArray& Head) {
  THttpRequest request;
  const QList<QByteArray> lines = Head.split('\n');
  const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
  request.Method = requestLine.value(0);
  request.Target = requestLine.value(1);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QByteArray line = lines[i].trimmed();
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0) continue;
    request.Headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
  }
  const QByteArray host = request.Headers.value("host");
  // "[::1]:8080" keeps its brackets; "name:8080" loses its port.
  const qsizetype portColon = host.startsWith('[') ? host.indexOf(':', host.indexOf(']')) : host.indexOf(':');
  request.Host = portColon < 0 ? host : host.left(portColon);
  return request;
}

}  // namespace

TTestHttpServer::TTestHttpServer(THandler Handler) : FHandler(std::move(Handler)) {
  QObject::connect(&FServer, &QTcpServer::newConnection, &FServer, [this] {
    while (QTcpSocket* socket = FServer.nextPendingConnection()) {
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Read(socket); });
      QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
        FBuffers.remove(socket);
        socket->deleteLater();
      });
    }
  });
}

bool TTestHttpServer::Listen() { return FServer.listen(QHostAddress::LocalHost); }

quint16 TTestHttpServer::Port() const { return FServer.serverPort(); }

QString TTestHttpServer::Url(const QString& Host, const QString& Target) const {
  return QStringLiteral("http://%1:%2%3").arg(Host).arg(Port()).arg(Target);
}

THttpResponse TTestHttpServer::NotFound() {
  THttpResponse response;
  response.Status = 404;
  response.ContentType = "text/plain";
  return response;
}

void TTestHttpServer::Read(QTcpSocket* Socket) {
  QByteArray& buffer = FBuffers[Socket];
  buffer += Socket->readAll();
  const qsizetype end = buffer.indexOf("\r\n\r\n");
  if (end < 0) return;
  const THttpRequest request = Parse(buffer.left(end));
  FBuffers.remove(Socket);
  // One request per connection: whatever follows is not read.
  QObject::disconnect(Socket, &QTcpSocket::readyRead, nullptr, nullptr);
  const THttpResponse response = FHandler(request);
  if (response.Held) return;
  Socket->write("HTTP/1.1 " + QByteArray::number(response.Status) + ' ' + ReasonPhrase(response.Status) +
                "\r\nContent-Type: " + response.ContentType + "\r\n" + response.ExtraHeaders +
                "Content-Length: " + QByteArray::number(response.Body.size()) +
                "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + response.Body);
  Socket->disconnectFromHost();
}
