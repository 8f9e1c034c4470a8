#pragma once
#include <QString>
#include <string>

namespace qpa::qt {

// The core's wide text as Qt's.
inline QString qtext(const std::wstring& text) {
    return QString::fromStdWString(text);
}

}  // namespace qpa::qt
