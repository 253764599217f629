#pragma once
// A stored skin that cannot be read: damaged, truncated or of an unknown
// layout. The skin data then stays empty.
#include <stdexcept>

namespace skin {

class TbsSkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace skin
