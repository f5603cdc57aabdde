#include "export/document_file.h"

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lunarys::exports {

namespace {

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// QSaveFile tells what it was doing; the system's own words say why, and are
// what a user has seen elsewhere.
QString Reason(const QFileDevice& file, int error)
{
    return error != 0 ? SystemReason(error) : file.errorString();
}

}  // namespace

QString SuffixOf(DocumentFormat format)
{
    switch (format) {
    case DocumentFormat::Pdf: return QStringLiteral(".pdf");
    case DocumentFormat::Html: return QStringLiteral(".html");
    case DocumentFormat::Text: return QStringLiteral(".txt");
    }
    return {};
}

std::optional<DocumentFormat> FormatOfFileName(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"pdf")
        return DocumentFormat::Pdf;
    if (suffix == u"html" || suffix == u"htm")
        return DocumentFormat::Html;
    if (suffix == u"txt")
        return DocumentFormat::Text;
    return std::nullopt;
}

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return SystemReason(EISDIR);
    // A device or a pipe cannot be replaced, only written to.
    if (target.exists() && !target.isFile()) {
        QFile file(path);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
            return Reason(file, errno);
        return std::nullopt;
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Reason(file, errno);
    // QSaveFile commits what it could write even when a write or the final
    // flush failed (a full disk, a size limit): both are checked here first.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = Reason(file, errno);
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit())
        return Reason(file, errno);
    return std::nullopt;
}

}  // namespace lunarys::exports
