// The floor lunarys-cli is measured against: a program linked to Qt Core that
// makes one QString and writes it, then ends.
#include <cstdio>

#include <QString>

int main(int argc, char* argv[])
{
    const QString text = QString::fromLocal8Bit(argc > 1 ? argv[1] : "floor");
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}
