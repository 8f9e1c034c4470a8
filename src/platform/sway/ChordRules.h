#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Who may hold the Ctrl+Shift+T binding on a sway and what to bind when a holder goes: read
// without sockets or files, so that the unit tests can use it alone.
namespace qpa::sway {

using Pid = std::int64_t;

// The sway command that binds the chord for the program with this process id, and the no-op
// command that binding runs (its binding event names the process).
std::string chordBinding(Pid owner);
std::string chordCommand(Pid owner);
inline constexpr std::string_view kChordUnbinding = "unbindsym ctrl+shift+t";

// The command that binds again what the user's configuration binds to Ctrl+Shift+T (modifiers in
// any order and case, variables set before it expanded, in the default mode) in the same slot as
// ours; nothing when it binds nothing there. Bindings with flags that make them a different slot
// (--release, --locked, --to-code, ...) are never replaced by ours and are left out.
std::optional<std::string> userChordBinding(std::string_view config);

// The programs of ours that bound the chord on one sway, oldest first, as kept in a small file:
// the last live one holds it. A process id a line.
std::vector<Pid> parseOwners(std::string_view text);
std::string formatOwners(const std::vector<Pid>& owners);

using IsAlive = std::function<bool(Pid)>;

// The owners once `own` has bound the chord: the live ones before it, then `own`.
std::vector<Pid> ownersAfterBinding(const std::vector<Pid>& owners, Pid own, const IsAlive& alive);

// Whether `own` holds the chord: no live owner bound it after `own` did.
bool holdsChord(const std::vector<Pid>& owners, Pid own, const IsAlive& alive);

// What to bind when `leaving` gives the chord up (closed, or dead: it need not be alive).
struct Handover {
    enum class To { Nobody, Owner, User };
    To to = To::Nobody;       // Nobody: `leaving` did not hold it, sway's binding stays as it is
    Pid owner = 0;            // for Owner: the live owner that bound it before `leaving`
    std::vector<Pid> owners;  // the owners left
};
Handover handoverFrom(const std::vector<Pid>& owners, Pid leaving, const IsAlive& alive);

}  // namespace qpa::sway
