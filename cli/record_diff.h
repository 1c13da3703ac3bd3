#pragma once
#include <optional>
#include <string>
#include <vector>

#include "ops/list_records.h"

// A record whose value differs between two listings; a side without a record at that
// address has no value at all, which is not the same as an empty one.
struct Difference {
    std::string address;
    std::optional<std::string> a;
    std::optional<std::string> b;
};

// The records of a and b paired by address, in the order of the addresses.
std::vector<Difference> differing_records(const std::vector<Record>& a, const std::vector<Record>& b);
