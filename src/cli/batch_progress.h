#pragma once

#include <chrono>

namespace lunarys::cli {

// The progress of a batch on standard error, when that is a terminal: rows
// done, rows a second and, when the input's size is known, the time left;
// drawn again at most ten times a second, cleared at the end. Nothing when
// standard error is not a terminal.
class ProgressLine {
public:
    explicit ProgressLine(long long inputBytes);  // negative when not known
    ~ProgressLine() { Clear(); }

    void Update(long long rows, long long bytesRead)
    {
        if (shown_ && (rows & 255) == 0)
            Draw(rows, bytesRead);
    }
    void Clear();

private:
    void Draw(long long rows, long long bytesRead);

    using Clock = std::chrono::steady_clock;
    bool shown_ = false;
    bool drawn_ = false;
    long long inputBytes_ = -1;
    Clock::time_point start_;
    Clock::time_point last_;
};

}  // namespace lunarys::cli
