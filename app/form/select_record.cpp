#include "app/form/select_record.h"

#include "numeric/ascii_case.h"

bool select_record_row(FormView& view, const std::string& address) {
    const int rows = view.row_count();
    for (int row = 0; row < rows; ++row) {
        if (same_ignoring_ascii_case(view.cell(row, 0), address)) {
            view.select_row(row);
            if (row + 1 < rows) view.scroll_to_row(row + 1);
            return true;
        }
    }
    view.scroll_to_row(0);
    return false;
}
