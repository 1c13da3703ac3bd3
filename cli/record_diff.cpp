#include "cli/record_diff.h"

#include <cstdlib>
#include <map>

namespace {

std::int64_t address_value(const std::string& address) { return std::strtoll(address.c_str(), nullptr, 16); }

}  // namespace

std::vector<Difference> differing_records(const std::vector<Record>& a, const std::vector<Record>& b) {
    std::map<std::int64_t, Difference> paired;
    for (const Record& r : a) {
        Difference& d = paired[address_value(r.address)];
        d.address = r.address;
        d.a = r.value;
    }
    for (const Record& r : b) {
        Difference& d = paired[address_value(r.address)];
        d.address = r.address;
        d.b = r.value;
    }
    std::vector<Difference> differences;
    for (auto& [offset, d] : paired) {
        if (d.a != d.b) differences.push_back(std::move(d));
    }
    return differences;
}
