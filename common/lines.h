#pragma once
// The one line rule of every program of the system: a line ends at a line feed, a carriage
// return, a carriage return directly followed by a line feed (one line end), a zero byte or the
// end of the data. Line-end bytes are dropped, nothing is trimmed, lines have no length limit.
// The end test comes before each read, so a line end at the very end yields no extra empty line.

#include <string>
#include <string_view>
#include <vector>

namespace common {

class LineReader {
public:
    explicit LineReader(std::string_view data) : data_(data) {}

    bool atEnd() const { return pos_ >= data_.size(); }

    // The next line; the empty text when already at the end.
    std::string readLine();

private:
    std::string_view data_;
    size_t pos_ = 0;
};

// Every line of the data, in order.
std::vector<std::string> splitLines(std::string_view data);

}  // namespace common
