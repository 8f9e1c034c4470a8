#include "platform/sway/ChordOwners.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "platform/qt/UniqueFd.h"
#include "platform/sway/SwayReplies.h"

namespace qpa::sway {

namespace {
// One file for each sway: in the user's runtime folder, else beside sway's socket.
std::string ownersFile(const std::string& swaySocket) {
    const auto slash = swaySocket.rfind('/');
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = runtime && *runtime          ? std::string(runtime)
                               : slash == std::string::npos ? std::string(".")
                                                            : swaySocket.substr(0, slash);
    return folder + "/quiet-page-advancer-chord." + swaySocket.substr(slash + 1);
}

bool isAlive(Pid pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string readAll(int fd) {
    std::string text;
    char buffer[512];
    ssize_t got = 0;
    ::lseek(fd, 0, SEEK_SET);
    while ((got = ::read(fd, buffer, sizeof(buffer))) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    return text;
}

void replaceAll(int fd, const std::string& text) {
    if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0) return;
    [[maybe_unused]] const ssize_t written = ::write(fd, text.data(), text.size());
}
}  // namespace

ChordOwners::ChordOwners(const std::string& swaySocket)
    : ipc_(swaySocket), path_(ownersFile(swaySocket)) {}

// Runs `change` on the owners read from the file and writes back what it returns, while holding
// the file's lock: two programs starting or closing at once take turns.
template <typename Change>
void ChordOwners::underLock(Change change) {
    qt::UniqueFd file(::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!file) {
        change(std::vector<Pid>{});  // without the file: as if no other program of ours ran
        return;
    }
    while (::flock(file.get(), LOCK_EX) != 0 && errno == EINTR) {
    }
    const std::vector<Pid> owners = change(parseOwners(readAll(file.get())));
    // The file stays, even empty: one removed while another program waits for its lock would
    // leave that program writing to a file nobody reads again.
    replaceAll(file.get(), formatOwners(owners));
}

bool ChordOwners::bind(Pid own) {
    bool bound = false;
    underLock([&](const std::vector<Pid>& owners) {
        bound = ipc_.run(chordBinding(own));
        return bound ? ownersAfterBinding(owners, own, isAlive) : owners;
    });
    return bound;
}

void ChordOwners::bindAgainIfHeld(Pid own) {
    underLock([&](const std::vector<Pid>& owners) {
        if (holdsChord(owners, own, isAlive)) ipc_.run(chordBinding(own));
        return owners;
    });
}

void ChordOwners::release(Pid leaving) {
    underLock([&](const std::vector<Pid>& owners) {
        const Handover handover = handoverFrom(owners, leaving, isAlive);
        if (handover.to == Handover::To::Owner) {
            ipc_.run(chordBinding(handover.owner));
        } else if (handover.to == Handover::To::User) {
            const auto config = ipc_.request(ipc::kGetConfig, {});
            const auto user = config ? userChordBinding(configText(*config)) : std::nullopt;
            // The user's binding takes the slot ours had; without one, the slot is emptied.
            if (!user || !ipc_.run(*user)) ipc_.run(kChordUnbinding);
        }
        return handover.owners;
    });
    ipc_.close();
}

}  // namespace qpa::sway
