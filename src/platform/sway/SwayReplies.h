#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sway/PointerRules.h"
#include "ports/WindowServices.h"

// What sway's IPC replies and events (JSON) say, read without sockets so that the unit tests can
// use it alone.
namespace qpa::sway {

// A view (an application's toplevel) as sway's tree describes it.
struct SwayView {
    std::int64_t id = 0;  // the container's id, for criteria such as [con_id=N]
    std::wstring title;
    std::int64_t pid = 0;
    bool floating = false;  // in a floating container
    std::int64_t workspace = 0;
    Rect content;  // the application's own surface
    Rect frame;    // with the border and the title bar
};

// The views of a GET_TREE reply, front to back: each container's children in its focus order, the
// ones it never focused after them in layout order. Nothing for a reply that is no tree.
std::vector<SwayView> viewsFrontToBack(std::string_view tree);

// The facts the window list needs. Every view in the tree is mapped, so each counts as visible.
// sway floats by itself exactly the views with a parent (dialogs) and those of a fixed size, so a
// floating view counts as one without a maximise box.
WindowFacts factsOf(const SwayView& view, std::int64_t ownPid);

// The frames of the views that stay above `target`, of the views listed front to back: a floating
// view on its workspace stands above every tiled one there, and above the floating ones it was
// focused after.
std::vector<Rect> viewsAbove(const std::vector<SwayView>& views, const SwayView& target);

// The box around every active output of a GET_OUTPUTS reply; empty when there is none.
Rect layoutBox(std::string_view outputs);

// A reply that says success: every result of a RUN_COMMAND, or the one of a SUBSCRIBE.
bool succeeded(std::string_view reply);

// The command of a binding event whose binding ran; nothing for any other event.
std::optional<std::string> ranBindingCommand(std::string_view event);

// The text of the configuration file sway loaded, from a GET_CONFIG reply; empty for another one.
std::string configText(std::string_view reply);

// The id of this program's view with this title when a window event shows it floating where it
// should stand tiled: mapped ("new"; sway floats it right after), or named or focused while
// floating (a title may come after the mapping; focused: back from the scratchpad, or floated by
// hand). Nothing for any other event.
std::optional<std::int64_t> ownViewToTile(std::string_view event, std::int64_t pid,
                                          const std::wstring& title);

// A workspace event that says the configuration was reloaded (and with it run-time bindings lost).
bool isConfigReload(std::string_view event);

}  // namespace qpa::sway
