// Takes the program's lock file at the path given, says "locked" (or "busy"
// when another holds it) and waits until it is killed. Given a second path,
// it answers there as a running copy does when a later start asks it to
// show itself.
#include <cstdio>

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2 && argc != 3)
        return 2;
    QLockFile lock(QString::fromLocal8Bit(argv[1]));
    lock.setStaleLockTime(0);
    const bool locked = lock.tryLock(0);
    QLocalServer server;
    if (argc == 3) {
        QLocalServer::removeServer(QString::fromLocal8Bit(argv[2]));
        server.listen(QString::fromLocal8Bit(argv[2]));
        QObject::connect(&server, &QLocalServer::newConnection, [&server] {
            QLocalSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QLocalSocket::readyRead, [socket] {
                if (socket->readLine() == "show\n")
                    socket->write("shown\n");
                socket->flush();
            });
        });
    }
    // Said once it answers, so that the caller may ask at once.
    std::puts(locked ? "locked" : "busy");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
