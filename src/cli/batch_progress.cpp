#include "cli/batch_progress.h"

#include <unistd.h>

#include <cstdio>

namespace lunarys::cli {

namespace {

constexpr auto kRedraw = std::chrono::milliseconds(100);

}  // namespace

ProgressLine::ProgressLine(long long inputBytes)
    : shown_(isatty(STDERR_FILENO) != 0), inputBytes_(inputBytes), start_(Clock::now()), last_(start_)
{
}

void ProgressLine::Draw(long long rows, long long bytesRead)
{
    const Clock::time_point now = Clock::now();
    if (now - last_ < kRedraw)
        return;
    last_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    std::fprintf(stderr, "\r%lld rows, %.0f rows/s", rows, rows / seconds);
    if (inputBytes_ > 0 && bytesRead > 0) {
        const long long left = static_cast<long long>(seconds * (inputBytes_ - bytesRead) / bytesRead + 0.5);
        std::fprintf(stderr, ", %lld:%02lld left", left / 60, left % 60);
    }
    std::fputs("\x1b[K", stderr);
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressLine::Clear()
{
    if (!drawn_)
        return;
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
    drawn_ = false;
}

}  // namespace lunarys::cli
