#include <gtest/gtest.h>

#include "platform/wayland/IpcFraming.h"
#include "platform/wayland/PointerRules.h"
#include "platform/wayland/SwayReplies.h"

using namespace qpa::wayland;

TEST(SwayRules, MessagesAreFramedAndCutOutHoweverTheReadsSplitThem) {
    EXPECT_EQ(encodeIpc(4, "ab"), std::string("i3-ipc\x02\0\0\0\x04\0\0\0ab", 16));
    const std::string stream = encodeIpc(ipc::kBindingEvent, R"({"change":"run"})") +
                               encodeIpc(ipc::kRunCommand, "") +
                               encodeIpc(7, std::string(70000, 'x'));
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{5}, std::size_t{14}, stream.size()}) {
        IpcReader reader;
        std::vector<IpcMessage> messages;
        for (std::size_t at = 0; at < stream.size(); at += chunk) {
            reader.feed(std::string_view(stream).substr(at, chunk));
            while (auto m = reader.next()) messages.push_back(*m);
        }
        ASSERT_EQ(messages.size(), 3u) << chunk;
        EXPECT_EQ(messages[0].type, ipc::kBindingEvent);
        EXPECT_EQ(messages[0].payload, R"({"change":"run"})");
        EXPECT_EQ(messages[1].payload, "");
        EXPECT_EQ(messages[2].payload.size(), 70000u);
        EXPECT_FALSE(reader.broken());
    }
    for (const std::string& bad : {std::string("i3-IPC\0\0\0\0\0\0\0\0", 14),
                                   std::string("i3-ipc\xff\xff\xff\xff\0\0\0\0", 14)}) {
        IpcReader reader;
        reader.feed(bad + encodeIpc(0, "{}"));
        EXPECT_FALSE(reader.next());
        EXPECT_TRUE(reader.broken());
    }
}

namespace {
// Output 1 holds workspace 3 (a floating dialog 20 over a split 10 of the views 11 and 12, focused
// 12 then 20 then 11), workspace 4 (view 13) and our own view 14 (pid 99) there too; the
// scratchpad holds view 15. The focus lists leave out what was never focused.
constexpr const char* kTree = R"({"id":1,"type":"root","focus":[2],"nodes":[
 {"id":2,"type":"output","focus":[3,4],"nodes":[
  {"id":3,"type":"workspace","focus":[10,20],"nodes":[
   {"id":10,"type":"con","focus":[12,11],"nodes":[
    {"id":11,"type":"con","pid":7,"name":"Left","rect":{"x":0,"y":25,"width":640,"height":775},
     "window_rect":{"x":2,"y":27,"width":636,"height":746},"deco_rect":{"height":27}},
    {"id":12,"type":"con","pid":8,"name":null,"rect":{"x":640,"y":25,"width":640,"height":775},
     "window_rect":{"x":2,"y":27,"width":636,"height":746}}]}],
   "floating_nodes":[{"id":20,"type":"floating_con","pid":7,"name":"Dialog",
     "rect":{"x":500,"y":300,"width":204,"height":102},"window_rect":{"x":2,"y":0,"width":200,"height":100},
     "deco_rect":{"height":27}},
    {"id":14,"type":"floating_con","pid":99,"name":"Ours"}]},
  {"id":4,"type":"workspace","nodes":[{"id":13,"type":"con","pid":9,"name":"Other"}]}]},
 {"id":5,"type":"output","nodes":[{"id":6,"type":"workspace","floating_nodes":[
   {"id":15,"type":"floating_con","pid":9,"name":"Put away"}]}]}]})";
}  // namespace

TEST(SwayRules, ViewsComeInFocusOrderWithTheirFacts) {
    const auto views = viewsFrontToBack(kTree);
    std::vector<std::int64_t> ids;
    for (const SwayView& v : views) ids.push_back(v.id);
    EXPECT_EQ(ids, (std::vector<std::int64_t>{12, 11, 20, 14, 13, 15}));
    // Title, can maximise (not floating), ours.
    std::wstring facts;
    for (const SwayView& v : views) {
        const qpa::WindowFacts f = factsOf(v, 99);
        facts += f.title + (f.canMaximise ? L" max" : L"") + (f.ours ? L" ours" : L"") + L"|";
        EXPECT_TRUE(f.visible && f.handle == v.id);
    }
    EXPECT_EQ(facts, L" max|Left max|Dialog|Ours ours|Other max|Put away|");
    EXPECT_EQ(views[1].content.x, 2);
    EXPECT_EQ(views[1].content.y, 52);
    EXPECT_EQ(views[2].frame.y, 273);  // the title bar above the container
    EXPECT_EQ(views[2].frame.height, 129);
    EXPECT_EQ(viewsAbove(views, views[1]).size(), 2u);  // the floating ones on workspace 3
    EXPECT_TRUE(viewsAbove(views, views[2]).empty());   // focused after all but 12 and 11
    EXPECT_TRUE(viewsFrontToBack("not json").empty());
}

TEST(SwayRules, TheWheelIsAimedPastTheViewsAbove) {
    const Rect content{0, 0, 400, 300};
    struct Row {
        std::vector<Rect> above;
        int x, y;
    };
    const Row rows[] = {
        {{}, 200, 150},
        {{{0, 0, 100, 100}}, 200, 150},                      // the centre is free
        {{{100, 100, 200, 100}}, 200, 50},                   // the first of the largest free parts
        {{{0, 40, 400, 120}}, 200, 230},                     // below is larger
        {{{150, 0, 100, 300}, {0, 0, 150, 300}}, 325, 150},  // the right strip
        {{{-50, -50, 500, 400}}, 200, 150},                  // wholly covered: the centre
    };
    for (const Row& row : rows) {
        const Point p = aimPoint(content, row.above);
        EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(row.x, row.y));
    }
    const auto motion = absoluteMotion({700, 30}, {-1280, 0, 2560, 800});
    ASSERT_TRUE(motion);
    EXPECT_EQ(motion->x, 1980u);
    EXPECT_EQ(motion->width, 2560u);
    EXPECT_FALSE(absoluteMotion({1300, 30}, {-1280, 0, 2560, 800}));
}
