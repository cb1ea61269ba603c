#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Keeps the program to one running copy per user and data directory. The
// first start listens on a local socket; a later start hands its file (or
// just the wish to be seen) to it and ends. The socket lives in the user's
// runtime directory, or in the temporary directory under a name that holds
// the user id, and is reachable by its owner only.
//
// A message is "QUILLBY1", a 4-byte big-endian length and that many bytes of
// a UTF-8 absolute path (none for "show yourself"). The listener answers one
// byte: 'K' taken, 'E' refused. It refuses messages longer than MaxPathBytes,
// paths that are not existing, readable regular files, and connections that
// send nothing complete within the time limit; it never blocks on a client.
class InstanceChannel : public QObject
{
    Q_OBJECT

public:
    explicit InstanceChannel(QString name, QObject *parent = nullptr);
    ~InstanceChannel() override;

    // The channel name for a data directory: one per user and directory, so
    // copies over different data (tests among them) never meet.
    static QString nameFor(const QString &dataDirectory);

    QString name() const { return m_name; }
    // Where the socket is: a path in the runtime directory, or the bare name
    // that Qt places in the temporary directory.
    QString address() const;
    bool isListening() const;

    // Offers the file (empty: only "show yourself") to a running copy.
    // True when one took it; false when none runs, or it refused or did not
    // answer within the time limit. Runs a local event loop while waiting.
    bool handOver(const QString &absolutePath);

    // Becomes the running copy. Removes a socket left behind by a copy that
    // crashed, but never one a live copy still answers on.
    bool listen();

    // How long a client may take to send its message, and a hand-over to
    // get its answer; tests shorten it.
    void setTimeLimit(int milliseconds) { m_timeLimitMs = milliseconds; }

    static constexpr int MaxPathBytes = 4096;

Q_SIGNALS:
    void fileReceived(const QString &absolutePath);
    void activationRequested();

private:
    void onNewConnection();
    void readFrom(QLocalSocket *socket);
    QString lockPath() const;

    QString m_name;
    QLocalServer *m_server = nullptr;
    int m_timeLimitMs = 3000;
    int m_openConnections = 0;
};
