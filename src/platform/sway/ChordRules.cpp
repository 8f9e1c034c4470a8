#include "platform/sway/ChordRules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <set>

namespace qpa::sway {

namespace {
constexpr std::string_view kChord = "ctrl+shift+t";
constexpr std::string_view kBlanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// The next word of `line` (quotes keep blanks inside one), taken off the front.
std::string_view takeWord(std::string_view& line) {
    line = trimmed(line);
    std::size_t end = 0;
    char quote = 0;
    for (; end < line.size(); ++end) {
        const char c = line[end];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (kBlanks.find(c) != std::string_view::npos) {
            break;
        }
    }
    const std::string_view word = line.substr(0, end);
    line = trimmed(line.substr(end));
    return word;
}

// The configuration's lines as sway reads them: continued lines joined, each line inside a
// block prefixed with the block's header ("bindsym {", "mode "resize" {").
std::vector<std::string> statements(std::string_view config) {
    std::vector<std::string> result, headers;
    std::string pending;
    while (!config.empty()) {
        const auto end = config.find('\n');
        std::string_view line = config.substr(0, end);
        config = end == std::string_view::npos ? std::string_view{} : config.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.back() == '\\') {
            pending.append(line.substr(0, line.size() - 1));
            continue;
        }
        pending.append(line);
        const std::string_view statement = trimmed(pending);
        if (statement.empty() || statement.front() == '#') {
        } else if (statement == "}") {
            if (!headers.empty()) headers.pop_back();
        } else if (statement.back() == '{') {
            headers.emplace_back(trimmed(statement.substr(0, statement.size() - 1)));
        } else {
            std::string full;
            for (const std::string& header : headers) full += header + " ";
            result.push_back(full + std::string(statement));
        }
        pending.clear();
    }
    return result;
}

// `text` with sway's variables replaced, the longest name first where several match.
std::string expanded(std::string_view text, const std::map<std::string, std::string>& variables) {
    std::string result;
    for (std::size_t i = 0; i < text.size();) {
        const std::pair<const std::string, std::string>* best = nullptr;
        if (text[i] == '$') {
            for (const auto& variable : variables) {
                if (text.substr(i).starts_with(variable.first) &&
                    (!best || variable.first.size() > best->first.size()))
                    best = &variable;
            }
        }
        if (best) {
            result += best->second;
            i += best->first.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

bool isOurChord(std::string_view combo) {
    std::multiset<std::string> keys;
    while (!combo.empty()) {
        const auto plus = combo.find('+');
        std::string key = lowered(combo.substr(0, plus));
        if (key == "control") key = "ctrl";
        keys.insert(key);
        combo = plus == std::string_view::npos ? std::string_view{} : combo.substr(plus + 1);
    }
    return keys == std::multiset<std::string>{"ctrl", "shift", "t"};
}

// The command as one argument sway's command parser gives back whole (it splits commands at ';'
// and ',' outside quotes, and takes a word's outer quotes off); nothing when it holds both kinds
// of quote.
std::optional<std::string> quotedWhole(std::string_view command) {
    for (const char quote : {'"', '\''}) {
        if (command.find(quote) == std::string_view::npos)
            return quote + std::string(command) + quote;
    }
    return std::nullopt;
}

bool contains(const std::vector<Pid>& owners, Pid pid) {
    return std::find(owners.begin(), owners.end(), pid) != owners.end();
}
}  // namespace

std::string chordCommand(Pid owner) {
    return "nop quiet-page-advancer-toggle-" + std::to_string(owner);
}

std::string chordBinding(Pid owner) {
    // --no-repeat: a held chord toggles once.
    return "bindsym --no-repeat " + std::string(kChord) + " " + chordCommand(owner);
}

std::optional<std::string> userChordBinding(std::string_view config) {
    std::map<std::string, std::string> variables;
    std::optional<std::string> binding;
    for (const std::string& statement : statements(config)) {
        std::string_view rest = statement;
        const std::string verb = lowered(takeWord(rest));
        if (verb == "set") {
            const std::string_view name = takeWord(rest);
            if (name.starts_with('$')) variables[std::string(name)] = expanded(rest, variables);
            continue;
        }
        if (verb != "bindsym") continue;
        bool noRepeat = false, sameSlot = true;
        std::string_view word = takeWord(rest);
        for (; word.starts_with("--"); word = takeWord(rest)) {
            if (word == "--no-repeat") {
                noRepeat = true;
            } else if (word != "--no-warn") {
                sameSlot = false;
            }
        }
        if (!sameSlot || rest.empty() || !isOurChord(expanded(word, variables))) continue;
        const auto command = quotedWhole(rest);
        if (!command) continue;
        // A later binding of the same chord replaces an earlier one, as in sway.
        binding = "bindsym " + std::string(noRepeat ? "--no-repeat " : "") + std::string(kChord) +
                  " " + *command;
    }
    return binding;
}

std::vector<Pid> parseOwners(std::string_view text) {
    std::vector<Pid> owners;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        Pid pid = 0;
        const auto [last, error] = std::from_chars(line.data(), line.data() + line.size(), pid);
        if (error == std::errc{} && last == line.data() + line.size() && pid > 0)
            owners.push_back(pid);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return owners;
}

std::string formatOwners(const std::vector<Pid>& owners) {
    std::string text;
    for (const Pid pid : owners) text += std::to_string(pid) + "\n";
    return text;
}

std::vector<Pid> ownersAfterBinding(const std::vector<Pid>& owners, Pid own, const IsAlive& alive) {
    std::vector<Pid> result;
    for (const Pid pid : owners)
        if (pid != own && alive(pid) && !contains(result, pid)) result.push_back(pid);
    result.push_back(own);
    return result;
}

bool holdsChord(const std::vector<Pid>& owners, Pid own, const IsAlive& alive) {
    for (auto pid = owners.rbegin(); pid != owners.rend(); ++pid) {
        if (*pid == own) return true;
        if (alive(*pid)) return false;
    }
    return false;
}

Handover handoverFrom(const std::vector<Pid>& owners, Pid leaving, const IsAlive& alive) {
    Handover handover;
    for (const Pid pid : owners)
        if (pid != leaving && alive(pid) && !contains(handover.owners, pid))
            handover.owners.push_back(pid);
    if (!holdsChord(owners, leaving, alive)) return handover;
    if (handover.owners.empty()) {
        handover.to = Handover::To::User;
    } else {
        handover.to = Handover::To::Owner;
        handover.owner = handover.owners.back();
    }
    return handover;
}

}  // namespace qpa::sway
