#pragma once
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <cstdint>
#include <string>

#include "GnomeNames.h"
#include "ports/WindowServices.h"

// What the GNOME adapters decide, free of D-Bus, so that the unit tests can use it alone.
namespace qpa::gnome {

// The shape of the extension's window list.
inline constexpr char kWindowListSignature[] = "a(tsibb)";
// The file of an extension installed into the user's folder that names the program that did it:
// the extension answers that program too.
inline constexpr char kInstalledByFile[] = "installed-by";

// One window as the extension lists it.
struct ShellWindow {
    quint64 id = 0;
    QString title;
    qint32 pid = 0;
    bool canMaximise = false;
    bool minimised = false;
};

WindowFacts factsOf(const ShellWindow& window, qint64 ownPid);

// The build of the extension a Shell of this version ("43.9", "48.rc") loads.
QString extensionFor(const QString& shellVersion);

// The wheel notches the extension turns for a delta (120 a notch, positive away from the user):
// positive downwards, as GNOME counts them.
int notchesDown(std::int32_t delta);

// What GNOME Shell's GetExtensionInfo says of an extension.
enum class ExtensionState {
    Unknown,   // the Shell has not seen it: installed after log-in, or not at all
    Running,   // enabled and running
    Off,       // installed, not enabled
    Failed,    // the Shell could not run it
    Outdated,  // made for other versions of the Shell
};
ExtensionState extensionState(const QVariantMap& info);

// The items of a list of extensions as `gsettings get` prints it ("['a@b', 'c@d']", "@as []").
QStringList printedList(const QString& printed);

// The list of enabled extensions as `gsettings set` takes it, with `uuid` added to the one
// `gsettings get` printed; empty when it is there already.
QString enabledListWith(const QString& printed, const QString& uuid);

// The message that tells the user why the program cannot use its extension now (`why` says what
// to do about it).
std::wstring extensionTrouble(const std::wstring& why);

// The "version" an extension's metadata.json gives; 0 when it gives none.
int metadataVersion(const QByteArray& metadataJson);

}  // namespace qpa::gnome
