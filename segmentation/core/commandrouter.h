// Command routing of the practice program's single-document window: a command goes to the view,
// then the document, then the frame, then the application; the first that handles it runs it.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>

namespace segmentation {

enum class CommandTarget
{
    View,
    Document,
    Frame,
    Application
};

// What an update handler decides for a command's menu item and toolbar button.
struct CommandState
{
    bool enabled = true;
    std::optional<bool> checked; // none: the item shows no check mark
};

class CommandRouter
{
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CommandState&)>;

    // An empty function takes the target's handler away again.
    void setHandler(CommandTarget target, int id, Handler handler);
    void setUpdateHandler(CommandTarget target, int id, UpdateHandler handler);

    // The first update handler in routing order decides; a command that has none is enabled exactly
    // when some target handles it.
    CommandState state(int id) const;
    // Runs the first handler in routing order, unless the command is disabled now (a key can arrive
    // before the menu and toolbar show the change); true when a handler ran.
    bool route(int id) const;

private:
    static constexpr std::size_t kTargets = 4;
    std::array<std::map<int, Handler>, kTargets> m_handlers;
    std::array<std::map<int, UpdateHandler>, kTargets> m_updateHandlers;
};

} // namespace segmentation
