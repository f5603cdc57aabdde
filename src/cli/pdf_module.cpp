// The module behind `lunarys-cli --format pdf`: a QGuiApplication for the
// fonts, on the offscreen platform whatever display there is, then the PDF.
#include <cstdio>
#include <type_traits>

#include <QGuiApplication>

#include "cli/pdf_module.h"
#include "export/reading_pdf.h"

extern "C" Q_DECL_EXPORT bool lunarys_reading_as_pdf(const lunarys::engine::Reading* reading,
                                                     const lunarys::engine::ReadingTexts* texts, QByteArray* pdf)
{
    static_assert(std::is_same_v<decltype(&lunarys_reading_as_pdf), lunarys::cli::PdfModuleFunction>);
    if (!reading || !texts || !pdf)
        return false;
    if (QCoreApplication::instance()) {
        *pdf = lunarys::exports::ReadingAsPdf(*reading, *texts);
        return !pdf->isEmpty();
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Notes on the environment from the platform's start-up (no runtime folder,
    // say) are not the user's business; errors still reach standard error.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "lunarys-cli: %s\n", message.toLocal8Bit().constData());
        });
    static int argc = 1;
    static char name[] = "lunarys-cli";
    static char* argv[] = {name, nullptr};
    bool made = false;
    {
        QGuiApplication application(argc, argv);
        *pdf = lunarys::exports::ReadingAsPdf(*reading, *texts);
        made = !pdf->isEmpty();
    }
    qInstallMessageHandler(previous);
    return made;
}
