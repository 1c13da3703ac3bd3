#include "cli/read_only_listing.h"

ReadListing read_listing(const std::string& path, Listing& listing) {
    listing = {};
    NaviFile file;
    switch (open_file(path, file, Access::read_only)) {
    case OpenOutcome::open_failed:
    case OpenOutcome::read_failed: return ReadListing::unreadable;
    case OpenOutcome::not_kld: return ReadListing::listed;
    case OpenOutcome::module:
        listing.kind = FileKind::module;
        return list_module_records(file, listing.records) == ListOutcome::listed ? ReadListing::listed
                                                                                 : ReadListing::unreadable;
    case OpenOutcome::config: break;
    }
    listing.kind = FileKind::config;
    const ListOutcome outcome =
        list_config_records(file, [&](int, const Record& record) { listing.records.push_back(record); });
    return outcome == ListOutcome::listed ? ReadListing::listed : ReadListing::unreadable;
}
