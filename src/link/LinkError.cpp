#include "link/LinkError.h"

namespace nerka {

QString LinkError::description() const {
    return std::visit([](const auto& e) { return e.description(); }, error);
}

} // namespace nerka
