#pragma once

// Collects the rows of a value table while the enumeration runs. Room is made
// in blocks of a hundred rows, so a key with many values does not reallocate
// per value.

#include <cstddef>
#include <cstdint>

#include "regApi/value_table.hpp"

namespace regApi {

class ValueTableBuilder {
public:
    static constexpr std::size_t initialRows = 101;
    static constexpr std::size_t rowsPerGrowth = 100;

    ValueTableBuilder();

    // Makes sure row `index` exists: past the last row the table is enlarged
    // so that its last row becomes index + 99.
    void reserveRow(std::size_t index);
    void setRow(std::size_t index, RegValue value);
    std::size_t capacity() const { return rows_.size(); }

    // The first `rowCount` rows as the finished table.
    ValueTable finish(std::size_t rowCount) &&;

private:
    ValueTable rows_;
};

}  // namespace regApi
