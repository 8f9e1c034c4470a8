#include "core/ErrorReport.h"

#include <exception>
#include <new>

#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "core/Texts.h"

namespace qpa {

namespace {
const wchar_t* qualifiedName(Location location) {
    switch (location) {
        case Location::Form1_Form_Load:
            return L"Form1.Form_Load";
        case Location::Form1_Form_QueryUnload:
            return L"Form1.Form_QueryUnload";
        case Location::Form1_Timer1_Timer:
            return L"Form1.Timer1_Timer";
        case Location::Form1_PushButton2_Click:
            return L"Form1.PushButton2_Click";
        case Location::Form1_loadWindows:
            return L"Form1.loadWindows";
        case Location::Form1_PushButton1_Click:
            return L"Form1.PushButton1_Click";
        case Location::Form1_PushButton7_Click:
            return L"Form1.PushButton7_Click";
        case Location::Form1_PushButton10_Click:
            return L"Form1.PushButton10_Click";
        case Location::Enum_SwitchToAndScroll:
            return L"Enum.SwitchToAndScroll";
        case Location::Enum_KnowScrollines:
            return L"Enum.KnowScrollines";
    }
    return L"";
}
}  // namespace

std::wstring locationLabel(Location location) {
    return std::wstring(L"in QuietPageAdvancer2021/08/31.") + qualifiedName(location) + L" ";
}

std::wstring composeErrorPrompt(const std::wstring& description, Location location, int line) {
    return description + L"\r\n" + locationLabel(location) + L"at line " + integerText(line) +
           L"\r\r" + texts::kErrorEmailRequest + texts::kSupportEmail;
}

void ErrorReporter::show(Location location, int line, const std::wstring& description) {
    dialogs_.showMessage(composeErrorPrompt(description, location, line), MessageKind::Warning,
                         texts::kErrorTitle);
}

std::wstring describeCurrentException() {
    try {
        throw;
    } catch (const RuntimeError& e) {
        return e.description();
    } catch (const std::bad_alloc&) {
        return L"Out of memory";
    } catch (const std::exception& e) {
        const std::string what = e.what();
        return std::wstring(what.begin(), what.end());
    } catch (...) {
        return L"Unexpected failure";
    }
}

void Trap::report(int line) noexcept {
    try {
        reporter_.show(location_, line, describeCurrentException());
    } catch (...) {
        // A report that cannot be shown is dropped: the procedure still goes on.
    }
}

}  // namespace qpa
