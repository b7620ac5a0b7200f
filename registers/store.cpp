#include "registers/store.h"

namespace registers {

Store &store()
{
    static Store theStore;
    return theStore;
}

} // namespace registers
