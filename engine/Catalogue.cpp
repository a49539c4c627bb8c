#include "engine/Catalogue.h"

#include <algorithm>
#include <cassert>

namespace engine {

const Example& exampleById(int id) {
    assert(id >= 1 && id <= kExampleCount);
    return ExampleCatalogue[static_cast<std::size_t>(id - 1)];
}

bool isSubtraction(int id) {
    return std::find(subtractionIds.begin(), subtractionIds.end(), id) != subtractionIds.end();
}

bool isReducible(int id) {
    return std::find(reducibleIds.begin(), reducibleIds.end(), id) != reducibleIds.end();
}

} // namespace engine
