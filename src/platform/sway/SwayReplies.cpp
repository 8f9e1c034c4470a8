#include "platform/sway/SwayReplies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace qpa::sway {

namespace {
QJsonDocument parse(std::string_view json) {
    return QJsonDocument::fromJson(
        QByteArray::fromRawData(json.data(), static_cast<qsizetype>(json.size())));
}

Rect rectOf(const QJsonValue& value) {
    const QJsonObject r = value.toObject();
    return {r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
            r.value(QLatin1String("width")).toInt(), r.value(QLatin1String("height")).toInt()};
}

bool isView(const QJsonObject& node) {
    const QString type = node.value(QLatin1String("type")).toString();
    return (type == QLatin1String("con") || type == QLatin1String("floating_con")) &&
           node.contains(QLatin1String("pid"));
}

SwayView viewOf(const QJsonObject& node, bool floating, std::int64_t workspace) {
    SwayView view;
    view.id = node.value(QLatin1String("id")).toInteger();
    view.title = node.value(QLatin1String("name")).toString().toStdWString();
    view.pid = node.value(QLatin1String("pid")).toInteger();
    view.floating = floating;
    view.workspace = workspace;
    const Rect outer = rectOf(node.value(QLatin1String("rect")));
    const Rect inner = rectOf(node.value(QLatin1String("window_rect")));
    view.content = {outer.x + inner.x, outer.y + inner.y, inner.width, inner.height};
    // The title bar stands above the container's rectangle.
    const int bar = rectOf(node.value(QLatin1String("deco_rect"))).height;
    view.frame = {outer.x, outer.y - bar, outer.width, outer.height + bar};
    return view;
}

struct Child {
    QJsonObject node;
    bool floating = false;
};

// The children of a node: those in its focus list first, in that order, then the others.
std::vector<Child> childrenInFocusOrder(const QJsonObject& node) {
    std::vector<Child> children;
    for (const char* key : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(QLatin1String(key)).toArray())
            children.push_back({child.toObject(), key[0] == 'f'});
    }
    std::vector<Child> ordered;
    std::vector<bool> taken(children.size(), false);
    for (const QJsonValue id : node.value(QLatin1String("focus")).toArray()) {
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (taken[i] ||
                children[i].node.value(QLatin1String("id")).toInteger() != id.toInteger())
                continue;
            ordered.push_back(children[i]);
            taken[i] = true;
        }
    }
    for (std::size_t i = 0; i < children.size(); ++i)
        if (!taken[i]) ordered.push_back(children[i]);
    return ordered;
}

void walk(const QJsonObject& node, bool floating, std::int64_t workspace,
          std::vector<SwayView>& views) {
    if (node.value(QLatin1String("type")).toString() == QLatin1String("workspace"))
        workspace = node.value(QLatin1String("id")).toInteger();
    if (isView(node)) {
        views.push_back(viewOf(node, floating, workspace));
        return;
    }
    for (const Child& child : childrenInFocusOrder(node))
        walk(child.node, floating || child.floating, workspace, views);
}
}  // namespace

std::vector<SwayView> viewsFrontToBack(std::string_view tree) {
    std::vector<SwayView> views;
    const QJsonDocument document = parse(tree);
    if (document.isObject()) walk(document.object(), false, 0, views);
    return views;
}

WindowFacts factsOf(const SwayView& view, std::int64_t ownPid) {
    return {static_cast<WindowHandle>(view.id), view.title, true, !view.floating,
            view.pid == ownPid};
}

std::vector<Rect> viewsAbove(const std::vector<SwayView>& views, const SwayView& target) {
    std::vector<Rect> above;
    for (const SwayView& view : views) {
        if (view.id == target.id) {
            if (target.floating) break;  // the floating ones behind it stand below it
            continue;
        }
        if (view.floating && view.workspace == target.workspace) above.push_back(view.frame);
    }
    return above;
}

Rect layoutBox(std::string_view outputs) {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (const QJsonValue value : parse(outputs).array()) {
        const QJsonObject output = value.toObject();
        if (!output.value(QLatin1String("active")).toBool()) continue;
        const Rect r = rectOf(output.value(QLatin1String("rect")));
        left = any ? std::min(left, r.x) : r.x;
        top = any ? std::min(top, r.y) : r.y;
        right = any ? std::max(right, r.x + r.width) : r.x + r.width;
        bottom = any ? std::max(bottom, r.y + r.height) : r.y + r.height;
        any = true;
    }
    return {left, top, right - left, bottom - top};
}

bool succeeded(std::string_view reply) {
    const QJsonDocument document = parse(reply);
    const QJsonArray results =
        document.isObject() ? QJsonArray{document.object()} : document.array();
    return !results.isEmpty() &&
           std::all_of(results.begin(), results.end(), [](const QJsonValue& r) {
               return r.toObject().value(QLatin1String("success")).toBool();
           });
}

std::optional<std::string> ranBindingCommand(std::string_view event) {
    const QJsonObject object = parse(event).object();
    if (object.value(QLatin1String("change")).toString() != QLatin1String("run"))
        return std::nullopt;
    const QJsonValue command =
        object.value(QLatin1String("binding")).toObject().value(QLatin1String("command"));
    if (!command.isString()) return std::nullopt;
    return command.toString().toStdString();
}

std::string configText(std::string_view reply) {
    return parse(reply).object().value(QLatin1String("config")).toString().toStdString();
}

std::optional<std::int64_t> ownViewToTile(std::string_view event, std::int64_t pid,
                                          const std::wstring& title) {
    const QJsonObject object = parse(event).object();
    const QString change = object.value(QLatin1String("change")).toString();
    const QJsonObject node = object.value(QLatin1String("container")).toObject();
    const bool floating =
        node.value(QLatin1String("type")).toString() == QLatin1String("floating_con");
    if (change != QLatin1String("new") &&
        !((change == QLatin1String("title") || change == QLatin1String("focus")) && floating))
        return std::nullopt;
    if (node.value(QLatin1String("pid")).toInteger() != pid ||
        node.value(QLatin1String("name")).toString().toStdWString() != title)
        return std::nullopt;
    return node.value(QLatin1String("id")).toInteger();
}

bool isConfigReload(std::string_view event) {
    return parse(event).object().value(QLatin1String("change")).toString() ==
           QLatin1String("reload");
}

}  // namespace qpa::sway
