#pragma once

#include <string>
#include <string_view>
#include <vector>

class QIODevice;

namespace lunarys::cli {

// Reads CSV records (RFC 4180) one at a time from a device, in large reads,
// holding only the record at hand: fields are separated by commas and
// records by CR LF, LF or CR; a field in double quotes may hold commas, line
// breaks and doubled quotes. A UTF-8 byte-order mark at the start is skipped,
// and so is every line that is empty or holds only blanks and tabs.
class CsvReader {
public:
    explicit CsvReader(QIODevice& device);

    // Reads the next record; false at the end of the input.
    bool Next();

    // The fields of the record read last, valid until the next call.
    const std::vector<std::string_view>& Fields() const { return fields_; }

    // What breaks the rules in that record, or empty: a quote inside a field
    // that does not start with one, text after a closing quote, a quoted
    // field that the input leaves open. The record is still read to its end.
    std::string_view Problem() const { return problem_; }

    // Bytes taken from the device so far.
    long long BytesRead() const { return bytesRead_; }

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    bool Fill();
    void EndField();
    // Ends the record; false when it was a blank line, which is skipped.
    bool EndRecord();

    QIODevice& device_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    long long bytesRead_ = 0;
    bool started_ = false;      // the byte-order mark has been looked for
    bool afterCr_ = false;      // an LF right after a CR belongs to it
    bool quotedField_ = false;  // the record has a quoted field
    State state_ = State::FieldStart;
    std::string text_;                 // the record's field texts, one after the other
    std::vector<std::size_t> ends_;    // where each field ends in text_
    std::vector<std::string_view> fields_;
    std::string_view problem_;
};

}  // namespace lunarys::cli
