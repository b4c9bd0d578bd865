#include "portmon/core/collation_state.h"

namespace portmon {
namespace {

void* NoStore(void*) { return nullptr; }
bool NoAppend(void*, void*, std::span<const std::uint8_t>) { return false; }
std::optional<std::span<const std::uint8_t>> NoContents(void*, void*) { return std::nullopt; }
void NoRemoval(void*, void*) {}
void NoReport(void*) {}

constexpr CollationCalls kNoStores{nullptr, NoStore, NoAppend, NoContents, NoRemoval, NoReport};

}  // namespace

const CollationCalls& NoCollationStores() { return kNoStores; }

}  // namespace portmon
