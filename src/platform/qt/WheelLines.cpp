#include "platform/qt/WheelLines.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace qpa::qt {

int wheelScrollLines() {
    return QGuiApplication::styleHints()->wheelScrollLines();
}

}  // namespace qpa::qt
