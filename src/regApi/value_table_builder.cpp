#include "regApi/value_table_builder.hpp"

#include <utility>

namespace regApi {

ValueTableBuilder::ValueTableBuilder() : rows_(initialRows) {}

void ValueTableBuilder::reserveRow(std::size_t index) {
    if (index >= rows_.size()) rows_.resize(index + rowsPerGrowth);
}

void ValueTableBuilder::setRow(std::size_t index, RegValue value) {
    reserveRow(index);
    rows_[index] = std::move(value);
}

ValueTable ValueTableBuilder::finish(std::size_t rowCount) && {
    if (rowCount < rows_.size()) rows_.resize(rowCount);
    rows_.shrink_to_fit();
    return std::move(rows_);
}

}  // namespace regApi
