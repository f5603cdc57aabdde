#include "cli/output_check.h"

#include <cerrno>
#include <cstring>

namespace lunarys::cli {

std::optional<QString> WriteOutput(std::FILE* stream, const QByteArray& bytes)
{
    errno = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    // A write that fails leaves its reason in errno; nothing after it runs.
    if (std::fwrite(bytes.constData(), 1, size, stream) == size && std::fflush(stream) == 0 && !std::ferror(stream))
        return std::nullopt;
    return QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
}

}  // namespace lunarys::cli
