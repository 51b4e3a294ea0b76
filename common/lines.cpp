#include "common/lines.h"

namespace common {

std::string LineReader::readLine() {
    const size_t start = pos_;
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == '\n' || c == '\0') {
            std::string line(data_.substr(start, pos_ - start));
            ++pos_;
            return line;
        }
        if (c == '\r') {
            std::string line(data_.substr(start, pos_ - start));
            ++pos_;
            if (pos_ < data_.size() && data_[pos_] == '\n')
                ++pos_;
            return line;
        }
        ++pos_;
    }
    return std::string(data_.substr(start));
}

std::vector<std::string> splitLines(std::string_view data) {
    std::vector<std::string> lines;
    LineReader reader(data);
    while (!reader.atEnd())
        lines.push_back(reader.readLine());
    return lines;
}

}  // namespace common
