#include "gui/app/SingleInstance.h"

#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <memory>

namespace strumly::gui {
namespace {

// A hand-over is one line of UTF-8: the file name, then '\n'. The answer is "1" when a file name
// was present, "0" otherwise, as the first copy cannot tell more before the file is opened.
constexpr int kMaxHandOverBytes = 64 * 1024;

QString safeForName(QString text) {
  return text.replace(QRegularExpression("[^A-Za-z0-9_.-]"), "_");
}

// The display this start's window goes to: the one of the window system Qt chose, else whichever
// is set, else the login session. ":0.0" and ":0" are one display.
QString displayOfThisStart() {
  const QString platform = QGuiApplication::platformName();
  const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
  const QString x11 = qEnvironmentVariable("DISPLAY");
  QString display;
  if (platform.startsWith("wayland"))
    display = wayland.isEmpty() ? QString("wayland-0") : wayland;
  else if (platform == "xcb")
    display = x11;
  else
    display = !wayland.isEmpty() ? wayland : x11;
  if (display == x11) display.replace(QRegularExpression(R"((:\d+)\.\d+$)"), "\\1");
  if (display.isEmpty()) display = qEnvironmentVariable("XDG_SESSION_ID");
  return display;
}

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();
}

QString SingleInstance::defaultServerName() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("LOGNAME");
  user.remove(QRegularExpression("[^A-Za-z0-9_.-]"));
  QString name = "Tessaly.Strumly." + (user.isEmpty() ? QString("user") : user);
  const QString display = displayOfThisStart();
  if (!display.isEmpty()) name += "." + safeForName(display);
  return name;
}

bool SingleInstance::handOver(const QString& fileName, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(fileName.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  // Wait for the answer so the first copy has the file before this one ends.
  if (!socket.waitForReadyRead(timeoutMs)) return false;
  socket.readAll();
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::listen() {
  if (server_) return server_->isListening();
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(serverName_)) {
    // Nobody answered on this name, so the socket file is left over from a crash.
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_)) return false;
  }
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::readHandOver);
  return true;
}

bool SingleInstance::isListening() const {
  return server_ && server_->isListening();
}

bool SingleInstance::claim(const QString& fileName) {
  if (handOver(fileName)) return false;
  if (listen()) return true;
  // Another copy may have started between our two attempts.
  return !handOver(fileName);
}

void SingleInstance::startDelivering() {
  delivering_ = true;
  scheduleDelivery();
}

void SingleInstance::readHandOver() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
      buffer->append(socket->readAll());
      if (buffer->size() > kMaxHandOverBytes) {
        socket->abort();
        return;
      }
      const int end = buffer->indexOf('\n');
      if (end < 0) return;
      // The connection is finished before the file is looked at: opening it may show a dialog,
      // whose event loop must not run inside this socket's read handler.
      const QString fileName = QString::fromUtf8(buffer->left(end));
      disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
      socket->write(fileName.isEmpty() ? "0" : "1");
      socket->disconnectFromServer();
      pending_ << fileName;
      scheduleDelivery();
    });
  }
}

void SingleInstance::scheduleDelivery() {
  if (delivering_ && !pending_.isEmpty())
    QMetaObject::invokeMethod(this, &SingleInstance::deliver, Qt::QueuedConnection);
}

void SingleInstance::deliver() {
  // A delivery already running (its file's dialog is up) takes the newcomers after it.
  if (inDelivery_ || pending_.isEmpty()) return;
  inDelivery_ = true;
  while (!pending_.isEmpty()) Q_EMIT activationRequested(pending_.takeFirst());
  inDelivery_ = false;
}

}  // namespace strumly::gui
