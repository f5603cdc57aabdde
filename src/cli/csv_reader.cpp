#include "cli/csv_reader.h"

#include <algorithm>

#include <QIODevice>

namespace lunarys::cli {

namespace {

constexpr std::size_t kReadSize = 1 << 16;
constexpr const char* kTooLong = "more than 64 KiB before its line ends";

bool IsBlankLine(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

CsvReader::CsvReader(QIODevice& device) : device_(device), buffer_(kReadSize) {}

bool CsvReader::Fill()
{
    qint64 got = device_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
    // The byte-order mark is looked for in the first three bytes, however the
    // device hands them over.
    while (!started_ && got > 0 && got < 3) {
        const qint64 more = device_.read(buffer_.data() + got, static_cast<qint64>(buffer_.size()) - got);
        if (more < 0)
            readError_ = device_.errorString();
        if (more <= 0)
            break;
        got += more;
    }
    if (got < 0)
        readError_ = device_.errorString();
    position_ = 0;
    filled_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    bytesRead_ += static_cast<long long>(filled_);
    if (!started_ && filled_ >= 3 && buffer_[0] == '\xEF' && buffer_[1] == '\xBB' && buffer_[2] == '\xBF')
        position_ = 3;
    started_ = true;
    return filled_ > 0;
}

void CsvReader::EndField()
{
    ends_.push_back(text_.size());
    state_ = State::FieldStart;
}

bool CsvReader::EndRecord()
{
    EndField();
    if (ends_.size() == 1 && !quotedField_ && problem_.empty() && IsBlankLine(text_)) {
        text_.clear();
        ends_.clear();
        return false;
    }
    fields_.clear();
    std::size_t begin = 0;
    for (const std::size_t end : ends_) {
        fields_.emplace_back(text_.data() + begin, end - begin);
        begin = end;
    }
    return true;
}

bool CsvReader::SkipToLineEnd()
{
    const auto begin = buffer_.begin() + static_cast<std::ptrdiff_t>(position_);
    const auto end = buffer_.begin() + static_cast<std::ptrdiff_t>(filled_);
    const auto lineEnd = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
    position_ = static_cast<std::size_t>(lineEnd - buffer_.begin());
    if (lineEnd == end)
        return false;
    afterCr_ = *lineEnd == '\r';
    ++position_;
    return true;
}

bool CsvReader::Next()
{
    if (tooLong_) {   // the rest of the record refused last
        tooLong_ = false;
        while (!SkipToLineEnd())
            if (!readError_.isEmpty() || !Fill())
                return false;
    }
    text_.clear();
    ends_.clear();
    fields_.clear();
    problem_ = {};
    quotedField_ = false;
    state_ = State::FieldStart;
    recordBytes_ = 0;
    bool inRecord = false;   // a byte of this record has been read
    for (;;) {
        if (position_ == filled_ && (!readError_.isEmpty() || !Fill())) {
            if (!readError_.isEmpty())
                return false;   // a record cut short is no record
            if (state_ == State::Quoted)
                problem_ = "a quoted field is not closed at the end of the input";
            return inRecord && EndRecord();
        }
        while (position_ < filled_) {
            const char c = buffer_[position_++];
            if (afterCr_) {
                afterCr_ = false;
                if (c == '\n')
                    continue;
            }
            const bool lineEnd = c == '\n' || c == '\r';
            if (!(lineEnd && state_ != State::Quoted) && ++recordBytes_ > RecordLimit) {
                // Refused at once; the next call passes over the rest.
                tooLong_ = true;
                problem_ = kTooLong;
                --position_;   // a line end inside quotes ends it all the same
                return EndRecord();
            }
            if (state_ == State::Quoted) {
                if (c == '"')
                    state_ = State::QuoteInQuoted;
                else
                    text_ += c;
                continue;
            }
            if (c == '\n' || c == '\r') {
                afterCr_ = c == '\r';
                if (EndRecord())
                    return true;
                inRecord = false;
                recordBytes_ = 0;
                continue;
            }
            inRecord = true;
            if (c == ',') {
                EndField();
                continue;
            }
            switch (state_) {
            case State::FieldStart:
                if (c == '"') {
                    state_ = State::Quoted;
                    quotedField_ = true;
                } else {
                    text_ += c;
                    state_ = State::Unquoted;
                }
                break;
            case State::Unquoted:
                if (c == '"' && problem_.empty())
                    problem_ = "a quote inside a field that does not start with one";
                text_ += c;
                break;
            case State::QuoteInQuoted:
                if (c == '"') {
                    text_ += '"';
                    state_ = State::Quoted;
                } else {
                    if (problem_.empty())
                        problem_ = "text after the closing quote of a field";
                    text_ += c;
                    state_ = State::Unquoted;
                }
                break;
            case State::Quoted: break;
            }
        }
    }
}

}  // namespace lunarys::cli
