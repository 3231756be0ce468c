#include "writers.h"

namespace varnex {

void RowFormat::separator(std::ostream&) const {}

void writeRows(const RowFormat& format, const std::vector<ExportRow>& rows, std::ostream& out) {
    format.begin(out);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) format.separator(out);
        format.row(rows[i], out);
    }
    format.end(!rows.empty(), out);
}

}  // namespace varnex
