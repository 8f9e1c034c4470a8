#include "platform/qt/Utf8.h"

#include <QString>

namespace qpa::qt {

std::wstring fromUtf8(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdWString();
}

std::wstring fromLatin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdWString();
}

std::string toUtf8(const std::wstring& text) {
    return QString::fromStdWString(text).toStdString();
}

}  // namespace qpa::qt
