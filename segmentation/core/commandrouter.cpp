#include "segmentation/core/commandrouter.h"

namespace segmentation {
namespace {

std::size_t slotOf(CommandTarget target)
{
    return static_cast<std::size_t>(target);
}

template <typename Function> void store(std::map<int, Function>& handlers, int id, Function function)
{
    if (function)
        handlers[id] = std::move(function);
    else
        handlers.erase(id);
}

} // namespace

void CommandRouter::setHandler(CommandTarget target, int id, Handler handler)
{
    store(m_handlers[slotOf(target)], id, std::move(handler));
}

void CommandRouter::setUpdateHandler(CommandTarget target, int id, UpdateHandler handler)
{
    store(m_updateHandlers[slotOf(target)], id, std::move(handler));
}

CommandState CommandRouter::state(int id) const
{
    CommandState state;
    for (const auto& handlers : m_updateHandlers) {
        if (const auto found = handlers.find(id); found != handlers.end()) {
            found->second(state);
            return state;
        }
    }
    state.enabled = false;
    for (const auto& handlers : m_handlers)
        state.enabled = state.enabled || handlers.contains(id);
    return state;
}

bool CommandRouter::route(int id) const
{
    if (!state(id).enabled)
        return false;
    for (const auto& handlers : m_handlers) {
        if (const auto found = handlers.find(id); found != handlers.end()) {
            // A copy: the handler may replace itself (or close the window that owns this router).
            const Handler handler = found->second;
            handler();
            return true;
        }
    }
    return false;
}

} // namespace segmentation
