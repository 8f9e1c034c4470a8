// The option, schedule-field, check-box, list and help handlers of the main window.
#include "app/Form1.h"
#include "core/Numeric.h"
#include "core/ScopeExit.h"
#include "core/Texts.h"

namespace qpa {

namespace {
SettingKey fieldKey(Control field) {
    return field == Control::Text2 ? SettingKey::Text2 : SettingKey::Text3;
}
bool isField(Control c) {
    return c == Control::Text2 || c == Control::Text3;
}
}  // namespace

std::wstring& Form1::fieldText(Control field) {
    return field == Control::Text2 ? shown_.text2 : shown_.text3;
}

void Form1::setOptionByCode(int n, bool selected) {
    view_.setOptionValue(n, selected);
    int& chosen = n <= 6 ? shown_.method : shown_.scope;
    if (selected) {
        chosen = n;
        Option_Click(n);  // the option's click runs whenever it becomes selected
    } else if (chosen == n) {
        chosen = 0;  // clearing the selected option leaves its group with none
    }
}

void Form1::setTextByCode(Control field, const std::wstring& text) {
    view_.setText(field, text);
    fieldText(field) = text;
    Text_Change(field);
}

void Form1::setCheckedByCode(Control box, bool checked) {
    bool& shown = box == Control::Check4 ? shown_.check4 : shown_.check8;
    if (shown == checked) return;  // an unchanged box raises no click
    view_.setChecked(box, checked);
    shown = checked;
    if (box == Control::Check4) Check4_Click();
    if (box == Control::Check8) Check8_Click();
}

void Form1::selectByCode(int index) {
    view_.selectListItem(index);
    shown_.selectedEntry = index;
}

void Form1::Option_Click(int n) {
    // The window has selected the option: the others of its group are clear. A group is always
    // stored whole: the six methods, or the two scopes.
    const auto [first, last] = optionGroup(n);
    (n <= 6 ? shown_.method : shown_.scope) = n;
    for (int i = first; i <= last; ++i) store_.saveTruth(optionKey(i), i == n);
}

void Form1::Text_Change(Control field) {
    if (!isField(field)) return;
    store_.save(fieldKey(field), fieldText(field));
}

void Form1::Text_GotFocus(Control field) {
    if (isField(field)) view_.selectAllText(field);
}

void Form1::Text_LostFocus(Control field) {
    // While a check hands the focus back, the field that loses it is not checked: two bad fields
    // would otherwise pass the focus back and forth for ever.
    if (!isField(field) || returningFocus_) return;
    if (isNumeric(fieldText(field), ports_.regional.decimalSeparator())) return;
    returningFocus_ = true;
    const ScopeExit returned([this] { returningFocus_ = false; });
    message(texts::kMustBeNumeric);
    view_.setFocus(field);
}

void Form1::Check4_Click() {
    if (isLoading_) return;
    if (shown_.check4) {
        view_.setControlVisible(Control::Check8, true);
        store_.saveOn(SettingKey::WindowsStartup, true);
        AddToStartup();
    } else {
        setCheckedByCode(Control::Check8, false);
        view_.setControlVisible(Control::Check8, false);
        store_.saveOn(SettingKey::WindowsStartup, false);
        mStartUp_.RemoveFromStartup();
    }
}

void Form1::Check8_Click() {
    store_.saveOn(SettingKey::Minimized, shown_.check8);
}

void Form1::MouseMove(Control control) {
    switch (control) {
        case Control::PushButton1:
        case Control::PushButton2:
        case Control::PushButton7:
        case Control::PushButton10:
            view_.setPointer(Pointer::Custom);
            return;
        case Control::Form:
        case Control::Frame1:
        case Control::Frame2:
        case Control::Frame3:
        case Control::Frame4:
        case Control::Label1:
        case Control::Text2:
        case Control::ListView1:
            view_.setPointer(Pointer::Default);
            return;
        default:
            return;  // the other controls leave the pointer as it is
    }
}

void Form1::PushButton10_Click() {
    Trap trap(reporter_, Location::Form1_PushButton10_Click);
    trap(100, [&] {
        message(std::wstring(texts::kHelpParagraph1) + L"\r\r" + ports_.words.helpParagraph2 +
                L"\r\n\r\n" + texts::kHelpParagraph3Prefix + texts::kContactPageAddress);
    });
}

void Form1::PushButton7_Click() {
    Trap trap(reporter_, Location::Form1_PushButton7_Click);
    trap(100, [&] { message(texts::kListHelp); });
}

void Form1::PushButton1_Click() {
    Trap trap(reporter_, Location::Form1_PushButton1_Click);
    trap(100, [&] { loadWindows(); });
}

void Form1::loadWindows() {
    Trap trap(reporter_, Location::Form1_loadWindows);
    trap(100, [&] { catalogue_.collect(ports_.windows, mainWindowHandle_); });
    trap(102, [&] { view_.clearList(); });
    trap(104, [&] { shown_.selectedEntry = 0; });  // a cleared list has nothing selected
    trap(106, [&] {
        for (int n = 1; n <= catalogue_.count(); ++n) view_.appendListItem(catalogue_.title(n));
    });
}

}  // namespace qpa
