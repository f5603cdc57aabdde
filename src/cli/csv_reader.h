#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <QString>

class QIODevice;

namespace lunarys::cli {

// Reads CSV records (RFC 4180) one at a time from a device, in large reads,
// holding only the record at hand: fields are separated by commas and
// records by CR LF, LF or CR; a field in double quotes may hold commas, line
// breaks and doubled quotes. A UTF-8 byte-order mark at the start is skipped,
// and so is every line that is empty or holds only blanks and tabs.
//
// A record holds at most RecordLimit bytes: a longer one is given as a
// problem as soon as it passes the limit, and the next record starts after
// the next line end (even one inside quotes), so that memory stays the same
// whatever the input.
class CsvReader {
public:
    static constexpr std::size_t RecordLimit = 64 * 1024;

    explicit CsvReader(QIODevice& device);

    // Reads the next record; false at the end of the input or when the
    // device fails.
    bool Next();

    // The fields of the record read last, valid until the next call.
    const std::vector<std::string_view>& Fields() const { return fields_; }

    // What breaks the rules in that record, or empty: a quote inside a field
    // that does not start with one, text after a closing quote, a quoted
    // field that the input leaves open, more than RecordLimit bytes. The
    // record is still read to its end (by the next call, for a record too
    // long).
    std::string_view Problem() const { return problem_; }

    // Bytes taken from the device so far.
    long long BytesRead() const { return bytesRead_; }

    // Why the device could not be read, or empty; the input ended there.
    const QString& ReadError() const { return readError_; }

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    bool Fill();
    void EndField();
    // Ends the record; false when it was a blank line, which is skipped.
    bool EndRecord();
    // Passes over the rest of a record that is too long, up to its line end;
    // false when the buffer ran out first.
    bool SkipToLineEnd();

    QIODevice& device_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    long long bytesRead_ = 0;
    bool started_ = false;      // the byte-order mark has been looked for
    bool afterCr_ = false;      // an LF right after a CR belongs to it
    bool quotedField_ = false;  // the record has a quoted field
    State state_ = State::FieldStart;
    std::size_t recordBytes_ = 0;      // bytes of the record so far
    bool tooLong_ = false;             // the record read last went past RecordLimit
    std::string text_;                 // the record's field texts, one after the other
    std::vector<std::size_t> ends_;    // where each field ends in text_
    std::vector<std::string_view> fields_;
    std::string_view problem_;
    QString readError_;
};

}  // namespace lunarys::cli
