#pragma once
// The main list (report list 12) as the player's logic sees it. Texts are code page 1251.

#include <string>

namespace player {

class MainList {
public:
    virtual ~MainList() = default;
    virtual void clear() = 0;
    // Appends a row; a line feed in the text separates column 0 from column 1.
    virtual void addRow(const std::string& text) = 0;
    virtual int rowCount() = 0;
    // Selects a row; -1, or a row past the end, selects nothing.
    virtual void select(int row) = 0;
    // The selected row, -1 when none.
    virtual int selection() = 0;
    // The column-0 text of a row; empty when the row does not exist.
    virtual std::string rowText(int row) = 0;
};

}  // namespace player
