#pragma once
// What a list box shows: lines it asks for one at a time, when a row comes
// into view, is read out or is copied. A list need not keep its lines as
// text; the results table keeps numbers and writes a line when asked.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rk {

class LineSource {
public:
    virtual ~LineSource() = default;
    virtual std::size_t count() const = 0;
    virtual std::string line(std::size_t index) const = 0;
    virtual void clear() = 0;
};

// Lines kept as the texts they are.
class TextLines : public LineSource {
public:
    void append(std::string_view utf8) { lines_.emplace_back(utf8); }
    std::size_t count() const override { return lines_.size(); }
    std::string line(std::size_t index) const override { return lines_.at(index); }
    void clear() override { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

} // namespace rk
