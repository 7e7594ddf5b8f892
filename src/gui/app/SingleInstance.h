#pragma once
// One running copy per user and display. A later start connects to the first one's local socket
// and hands over the file named on its command line; the first raises its window and opens the
// file. The socket is only listened on when nobody answers, and a socket left behind by a crashed
// copy is removed first, so a crash never locks the program out.
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace strumly::gui {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
  ~SingleInstance() override;

  // "Tessaly.Strumly." followed by the user name and the display the window goes to, so two
  // users of one machine, or one user on two displays, each get a window of their own.
  static QString defaultServerName();

  // Reaches a running copy and hands it `fileName` (empty: just bring it to the front).
  // True when a running copy took the message; this process should then end.
  bool handOver(const QString& fileName, int timeoutMs = 2000);
  // Becomes the first copy. False when the socket cannot be listened on at all.
  bool listen();
  bool isListening() const;

  // Start-up in one call: hand over and return false when another copy runs, else listen and
  // return true (the caller goes on as the first copy).
  bool claim(const QString& fileName);

  // Hand-overs are taken from the moment the socket listens but kept until the window is up;
  // from this call on they are delivered as `activationRequested`, the kept ones first.
  void startDelivering();

 Q_SIGNALS:
  // A later start asked to be shown; `fileName` is empty when it named no file. Emitted from the
  // event loop, one at a time: opening the file may ask the user, and a hand-over that arrives
  // meanwhile waits for the answer.
  void activationRequested(const QString& fileName);

 private:
  void readHandOver();
  void scheduleDelivery();
  void deliver();

  QString serverName_;
  QLocalServer* server_ = nullptr;
  QStringList pending_;
  bool delivering_ = false;
  bool inDelivery_ = false;
};

}  // namespace strumly::gui
