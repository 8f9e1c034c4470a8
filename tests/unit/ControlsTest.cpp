// The option, field, check box and pointer handlers of the main window.
#include "unit/Cases.h"

using namespace qpa;
using namespace qpa::fakes;

TEST(Controls, Handlers) {
    const std::wstring numeric = texts::kMustBeNumeric;
    const Case cases[] = {
        // An option stores its whole group, in order.
        {L"load >> click Option5", L"write",
         L"write Option1=False | write Option2=False | write Option3=False | write Option4=False | "
         L"write Option5=True | write Option6=False"},
        {L"load >> click Option8", L"write", L"write Option7=False | write Option8=True"},
        // Every keystroke is stored as it stands.
        {L"load >> type Text2 1; type Text2 12a; type Text2 ", L"write message",
         L"write Text2=1 | write Text2=12a | write Text2="},
        // A store that refuses is told, and nothing is lost.
        {L"refuse settings; load >> type Text3 9", L"warning write", L"warning Access denied"},
        // A field selects all when entered; one that holds no number gets the focus back each
        // time it is left.
        {L"load >> enter Text3", L"select", L"select all Text3"},
        {L"load >> type Text3 ; leave Text3; leave Text3", L"message focus",
         L"message " + numeric + L" | focus Text3 | message " + numeric + L" | focus Text3"},
        {L"load >> type Text3  2.5 ; leave Text3; leave Form1", L"message focus", L""},
        // Returning the focus to one bad field takes it from another, which stays quiet.
        {L"load; type Text2 x; type Text3 y >> once focus leave Text3; leave Text2",
         L"message focus", L"message " + numeric + L" | focus Text2"},
        // The start-up box governs its "minimized" box, shown only while it is checked.
        {L"load >> click Check4; click Check8; click Check4; click Check4; click Check4",
         L"write visible checked",
         L"visible Check8 1 | write Windows Startup=On | write Minimized=On | checked Check8 0 | "
         L"write Minimized=Off | visible Check8 0 | write Windows Startup=Off | visible Check8 1 | "
         L"write Windows Startup=On | visible Check8 0 | write Windows Startup=Off"},
        // The pointer: the custom one over a button, the arrow over the form; some controls
        // leave it as it is.
        {L"load >> hover PushButton1; hover Frame5; hover Form1", L"pointer",
         L"pointer custom | pointer default"},
    };
    for (const Case& c : cases) check(c);
}
