// Takes the program's lock file at the path given, says "locked" (or "busy"
// when another holds it) and waits until it is killed.
#include <cstdio>

#include <QCoreApplication>
#include <QLockFile>
#include <QThread>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QLockFile lock(QString::fromLocal8Bit(argv[1]));
    lock.setStaleLockTime(0);
    std::puts(lock.tryLock(0) ? "locked" : "busy");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
