// Saving and printing a reading from the result window, with the save dialog
// and the print preview answered by fakes and the files written for real.
#include <signal.h>
#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include "support.h"

using namespace lunarys;
using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

struct ResultWindow {
    FakePlatform fakes;
    Program program{fakes.services};
    FrmDisplay window{program};

    ResultWindow()
    {
        engine::Reading reading;
        reading.Birth.Name = QStringLiteral("MARY ANN");
        reading.Birth.Year = 1990;
        reading.Birth.Month = 7;
        reading.Birth.Day = 4;
        reading.Midpoint.Degree = 169;
        reading.Midpoint.Sign = engine::Sign::Virgo;
        reading.House = 3;
        engine::ReadingTexts texts;
        texts.Personality = QStringLiteral("You have a very charming personality.");
        window.ShowReading(reading, texts);
    }
    void Trigger(const char* entry) { Control<QAction>(window, entry).trigger(); }
};

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files larger than this fail to be written, as on a full disk, while it lasts.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        previous_ = signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    sighandler_t previous_ = nullptr;
};

}  // namespace

class ReadingFilesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DeleteLaterNow(); }

    void savedInTheFormAskedFor_data();
    void savedInTheFormAskedFor();
    void aFailedSaveSaysWhyAndKeepsTheEarlierFile_data();
    void aFailedSaveSaysWhyAndKeepsTheEarlierFile();
    void printedThroughThePreview();
};

void ReadingFilesTest::savedInTheFormAskedFor_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("opening");
    QTest::newRow("suffix over filter") << "reading.html" << "PDF document (*.pdf)" << "reading.html"
                                        << QByteArray("<!DOCTYPE html>");
    QTest::newRow("suffix in capitals") << "READING.PDF" << "Plain text (*.txt)" << "READING.PDF"
                                        << QByteArray("%PDF-");
    QTest::newRow("no suffix: the filter's") << "reading" << "Plain text (*.txt)" << "reading.txt"
                                             << QByteArray("Midpoint astrology reading for MARY ANN\n");
}

void ReadingFilesTest::savedInTheFormAskedFor()
{
    QFETCH(QString, answer);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, opening);
    QTemporaryDir folder;
    ResultWindow w;
    w.fakes.files.answer = folder.filePath(answer);
    w.fakes.files.filter = filter;

    w.Trigger("mnuFileSave");
    QCOMPARE(w.fakes.files.offered, (QStringList{QStringLiteral("PDF document (*.pdf)"),
                                                 QStringLiteral("Web page (*.html *.htm)"),
                                                 QStringLiteral("Plain text (*.txt)")}));
    QVERIFY2(w.fakes.files.suggested.value(0).endsWith(QStringLiteral("/MARY ANN - Lunarys reading.pdf")),
             qPrintable(w.fakes.files.suggested.value(0)));
    QCOMPARE(w.fakes.dialogs.messages, QList<ShownMessage>{});
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
    QVERIFY(Contents(folder.filePath(written)).startsWith(opening));

    // The next save starts in the folder used.
    QCOMPARE(w.fakes.settings.values.value(QStringLiteral("Settings/ReadingFolder")), folder.path());
    w.fakes.files.answer.reset();
    w.Trigger("mnuFileSave");
    QCOMPARE(w.fakes.files.suggested.value(1), folder.filePath(QStringLiteral("MARY ANN - Lunarys reading.pdf")));
}

void ReadingFilesTest::aFailedSaveSaysWhyAndKeepsTheEarlierFile_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full, PDF") << "earlier.pdf" << true << "File too large";
    QTest::newRow("disk full, text") << "earlier.txt" << true << "File too large";
    QTest::newRow("a folder in the way") << "taken.html" << false << "Is a directory";
    QTest::newRow("no such folder") << "missing/reading.pdf" << false << "No such file or directory";
}

void ReadingFilesTest::aFailedSaveSaysWhyAndKeepsTheEarlierFile()
{
    QFETCH(QString, answer);
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.html")));
    for (const char* name : {"earlier.pdf", "earlier.txt"}) {
        QFile earlier(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("the earlier reading");
    }
    ResultWindow w;
    const QString path = folder.filePath(answer);
    w.fakes.files.answer = path;
    {
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(256);
        w.Trigger("mnuFileSave");
    }

    const QString message = QStringLiteral("The reading could not be saved to \"%1\": %2.").arg(path, reason);
    QCOMPARE(w.fakes.dialogs.messages, (QList<ShownMessage>{{message, MessageIcon::Error}}));
    QCOMPARE(Contents(folder.filePath(QStringLiteral("earlier.pdf"))), QByteArray("the earlier reading"));
    QCOMPARE(Contents(folder.filePath(QStringLiteral("earlier.txt"))), QByteArray("the earlier reading"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("earlier.pdf"), QStringLiteral("earlier.txt"), QStringLiteral("taken.html")}));
    QVERIFY(QDir(folder.filePath(QStringLiteral("taken.html"))).isEmpty());
    QCOMPARE(w.fakes.settings.writes, 0);
}

void ReadingFilesTest::printedThroughThePreview()
{
    QTemporaryDir folder;
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    ResultWindow w;
    w.fakes.printing.beforePaint = [&printed](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
    };
    w.Trigger("mnuFilePrint");
    QCOMPARE(w.fakes.printing.previews, 1);
    const QByteArray pages = Contents(printed);
    QVERIFY(pages.startsWith("%PDF-"));
    QVERIFY2(pages.count("/Type /Page\n") >= 1, "no page printed");
}

QTEST_MAIN(ReadingFilesTest)
#include "tst_reading_files.moc"
