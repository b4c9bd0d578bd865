#include "portmon/core/collation_state.h"

namespace portmon {
namespace {

std::unique_ptr<CollationStore> NoStore() { return nullptr; }
void NoReport() {}

CollationCalls calls{NoStore, NoReport};

}  // namespace

void SetCollationCalls(const CollationCalls& replacement) { calls = replacement; }
const CollationCalls& CurrentCollationCalls() { return calls; }

}  // namespace portmon
