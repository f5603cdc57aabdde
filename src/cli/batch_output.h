#pragma once

#include <memory>
#include <string>

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace lunarys::cli {

// Where a batch writes its lines: standard output, or a file that takes the
// place of any old one only when the batch is done; a pipe or a device named
// as the file is written to as it is. The lines gather in a
// buffer that goes out in large writes.
class BatchOutput {
public:
    // Standard output for an empty path. On failure, Error() says why.
    explicit BatchOutput(const QString& path);

    bool IsOpen() const { return open_; }
    std::string& Buffer() { return buffer_; }

    // Writes the buffer once it holds enough; false after a failed write.
    bool WriteWhenFull();
    // Writes the rest and puts the file in place; false after a failed write.
    bool Finish();
    // Leaves an old file as it was.
    void Abandon();

    QString Error() const { return error_; }

private:
    bool WriteBuffer();

    std::unique_ptr<QFileDevice> file_;   // a QSaveFile for a file to replace
    std::string buffer_;
    bool open_ = true;
    QString error_;
};

}  // namespace lunarys::cli
