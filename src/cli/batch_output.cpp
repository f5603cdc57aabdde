#include "cli/batch_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFileInfo>

namespace lunarys::cli {

namespace {

constexpr std::size_t kWriteSize = 1 << 20;

}  // namespace

BatchOutput::BatchOutput(const QString& path)
{
    buffer_.reserve(kWriteSize + (1 << 16));
    if (path.isEmpty())
        return;
    // The system's words, as for a single reading's file.
    const QFileInfo target(path);
    if (target.isDir()) {
        open_ = false;
        error_ = QString::fromLocal8Bit(std::strerror(EISDIR));
        return;
    }
    // A device or a pipe cannot be replaced, only written to.
    if (target.exists() && !target.isFile())
        file_ = std::make_unique<QFile>(path);
    else
        file_ = std::make_unique<QSaveFile>(path);
    errno = 0;
    if (!file_->open(QIODevice::WriteOnly)) {
        open_ = false;
        error_ = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file_->errorString();
    }
}

bool BatchOutput::WriteWhenFull() { return buffer_.size() < kWriteSize || WriteBuffer(); }

bool BatchOutput::WriteBuffer()
{
    const char* data = buffer_.data();
    std::size_t left = buffer_.size();
    bool written = true;
    if (file_) {
        written = file_->write(data, static_cast<qint64>(left)) == static_cast<qint64>(left);
        if (!written)
            error_ = file_->errorString();
    }
    while (!file_ && left > 0) {
        const ssize_t count = ::write(STDOUT_FILENO, data, left);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            written = false;
            break;
        }
        data += count;
        left -= static_cast<std::size_t>(count);
    }
    buffer_.clear();
    return written;
}

bool BatchOutput::Finish()
{
    if (!WriteBuffer())
        return false;
    auto* whole = qobject_cast<QSaveFile*>(file_.get());
    if (whole && !whole->commit()) {
        error_ = whole->errorString();
        return false;
    }
    if (file_ && !whole && !file_->flush()) {
        error_ = file_->errorString();
        return false;
    }
    return true;
}

void BatchOutput::Abandon()
{
    if (auto* whole = qobject_cast<QSaveFile*>(file_.get()))
        whole->cancelWriting();
}

}  // namespace lunarys::cli
