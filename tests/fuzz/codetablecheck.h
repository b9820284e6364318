// The check both input-method file targets make: what a reader took in can be looked up by its code.
#pragma once

#include "platform/ime/codetable.h"

#include <algorithm>
#include <cstdlib>

namespace fuzz {

inline void checkLookups(platform::ime::CodeTableBuilder& builder)
{
    using platform::ime::CodeTable;
    const CodeTable table = builder.build();
    for (const auto& entry : table.entries().first(std::min<std::size_t>(table.size(), 16))) {
        if (table.lookup(CodeTable::code(entry)).empty())
            std::abort();
        table.text(entry);
    }
}

} // namespace fuzz
