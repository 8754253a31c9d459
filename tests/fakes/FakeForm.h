#pragma once
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/Form.h"

namespace snapwright {

// What one control of a FakeForm holds. A control nobody has touched is in this default state.
struct FakeControl {
    std::string text;
    std::string fontName;
    int fontSize = 0;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
    Rect bounds;
    std::vector<std::string> items;
    int listIndex = -1;
};

// One call on a FakeForm, as recorded: what was called, on which control, with which value.
struct FormCall {
    enum class Kind {
        SetText, Text, SetFontName, SetFontSize, SetChecked, Checked, SetVisible, SetEnabled,
        SetBounds, Bounds, ClearList, AddListItem, SetListIndex, ListIndex, ShowModal, Hide, Unload, Show,
    };
    static constexpr ControlId kForm = -1;  // the control of the calls on the whole window

    FormCall(Kind kind, ControlId control = kForm, std::string text = {}, int number = 0, Rect bounds = {})
        : kind(kind), control(control), text(std::move(text)), number(number), bounds(bounds) {}

    Kind kind;
    ControlId control;
    std::string text;  // SetText, SetFontName, AddListItem
    int number;        // SetFontSize, SetListIndex; 1 or 0 for SetChecked, SetVisible, SetEnabled
    Rect bounds;       // SetBounds

    friend bool operator==(const FormCall&, const FormCall&) = default;

    // A call reads or changes: only the ones that change a control or the window count as changes.
    bool IsQuery() const {
        return kind == Kind::Text || kind == Kind::Checked || kind == Kind::Bounds || kind == Kind::ListIndex;
    }

    // The expected calls, spelled like the IForm calls they stand for.
    template <typename C> static FormCall SetText(C c, std::string text) { return {Kind::SetText, Id(c), std::move(text)}; }
    template <typename C> static FormCall SetFontName(C c, std::string face) { return {Kind::SetFontName, Id(c), std::move(face)}; }
    template <typename C> static FormCall SetFontSize(C c, int points) { return {Kind::SetFontSize, Id(c), {}, points}; }
    template <typename C> static FormCall SetChecked(C c, bool on) { return {Kind::SetChecked, Id(c), {}, on ? 1 : 0}; }
    static FormCall ShowModal() { return {Kind::ShowModal}; }
};

inline const char* KindName(FormCall::Kind kind) {
    static constexpr const char* kNames[] = {
        "SetText", "Text", "SetFontName", "SetFontSize", "SetChecked", "Checked", "SetVisible", "SetEnabled",
        "SetBounds", "Bounds", "ClearList", "AddListItem", "SetListIndex", "ListIndex", "ShowModal", "Hide", "Unload", "Show",
    };
    return kNames[static_cast<int>(kind)];
}

// Readable failure messages in GoogleTest: SetFontSize(#3, 8), SetText(#0, "Options").
inline std::ostream& operator<<(std::ostream& out, const FormCall& call) {
    out << KindName(call.kind) << "(";
    if (call.control != FormCall::kForm) out << "#" << call.control;
    switch (call.kind) {
    case FormCall::Kind::SetText:
    case FormCall::Kind::SetFontName:
    case FormCall::Kind::AddListItem: out << ", \"" << call.text << "\""; break;
    case FormCall::Kind::SetFontSize:
    case FormCall::Kind::SetChecked:
    case FormCall::Kind::SetVisible:
    case FormCall::Kind::SetEnabled:
    case FormCall::Kind::SetListIndex: out << ", " << call.number; break;
    case FormCall::Kind::SetBounds:
        out << ", {" << call.bounds.left << ", " << call.bounds.top << ", " << call.bounds.width << ", "
            << call.bounds.height << "}";
        break;
    default: break;
    }
    return out << ")";
}

// An in-memory window for presenter tests: records every call in order and keeps what each
// control shows, so a test can check either the sequence or the end state. State can be seeded
// (State(control).fontSize = 9) to stand for the window's design.
class FakeForm : public IForm {
public:
    using Kind = FormCall::Kind;

    void SetText(ControlId c, const std::string& text) override { Change({Kind::SetText, c, text}).text = text; }
    std::string Text(ControlId c) const override { return Query({Kind::Text, c}).text; }
    void SetFontName(ControlId c, const std::string& face) override {
        Change({Kind::SetFontName, c, face}).fontName = face;
    }
    void SetFontSize(ControlId c, int points) override { Change({Kind::SetFontSize, c, {}, points}).fontSize = points; }
    void SetChecked(ControlId c, bool on) override { Change({Kind::SetChecked, c, {}, on ? 1 : 0}).checked = on; }
    bool Checked(ControlId c) const override { return Query({Kind::Checked, c}).checked; }
    void SetVisible(ControlId c, bool on) override { Change({Kind::SetVisible, c, {}, on ? 1 : 0}).visible = on; }
    void SetEnabled(ControlId c, bool on) override { Change({Kind::SetEnabled, c, {}, on ? 1 : 0}).enabled = on; }
    void SetBounds(ControlId c, const Rect& twips) override {
        Change({Kind::SetBounds, c, {}, 0, twips}).bounds = twips;
    }
    Rect Bounds(ControlId c) const override { return Query({Kind::Bounds, c}).bounds; }
    void ClearList(ControlId c) override {
        FakeControl& control = Change({Kind::ClearList, c});
        control.items.clear();
        control.listIndex = -1;
    }
    void AddListItem(ControlId c, const std::string& text) override {
        Change({Kind::AddListItem, c, text}).items.push_back(text);
    }
    void SetListIndex(ControlId c, int index) override { Change({Kind::SetListIndex, c, {}, index}).listIndex = index; }
    int ListIndex(ControlId c) const override { return Query({Kind::ListIndex, c}).listIndex; }

    // ShowModal runs the action given to OnShowModal, standing for what the user does while the
    // dialog is open (clicking a button, say), and then returns as the modal loop would.
    void ShowModal() override {
        Record({Kind::ShowModal});
        ++m_modalShows;
        m_hidden = false;
        if (m_onShowModal) m_onShowModal();
    }
    void Show() override {
        Record({Kind::Show});
        m_hidden = false;
    }
    void Hide() override {
        Record({Kind::Hide});
        m_hidden = true;
    }
    void Unload() override {
        Record({Kind::Unload});
        m_unloaded = true;
    }

    // --- for the tests ---

    const std::vector<FormCall>& Calls() const { return m_calls; }
    std::vector<FormCall> Changes() const {  // the calls without the queries
        std::vector<FormCall> changes;
        for (const FormCall& call : m_calls) {
            if (!call.IsQuery()) changes.push_back(call);
        }
        return changes;
    }
    template <typename C> std::vector<FormCall> CallsOn(C control) const {
        std::vector<FormCall> calls;
        for (const FormCall& call : m_calls) {
            if (call.control == Id(control)) calls.push_back(call);
        }
        return calls;
    }
    void ClearCalls() { m_calls.clear(); }

    // A control's state; reading one that was never touched gives the default state.
    template <typename C> FakeControl& State(C control) { return m_controls[Id(control)]; }
    template <typename C> const FakeControl& State(C control) const {
        static const FakeControl kUntouched;
        const auto found = m_controls.find(Id(control));
        return found == m_controls.end() ? kUntouched : found->second;
    }

    void OnShowModal(std::function<void()> action) { m_onShowModal = std::move(action); }
    int ModalShows() const { return m_modalShows; }
    bool Hidden() const { return m_hidden; }
    bool Unloaded() const { return m_unloaded; }

private:
    void Record(FormCall call) const { m_calls.push_back(std::move(call)); }
    // Records a call and gives the control it changes, or the state it reads.
    FakeControl& Change(const FormCall& call) {
        Record(call);
        return m_controls[call.control];
    }
    const FakeControl& Query(const FormCall& call) const {
        Record(call);
        return State(call.control);
    }

    std::map<ControlId, FakeControl> m_controls;
    mutable std::vector<FormCall> m_calls;  // the queries are const, and recorded too
    std::function<void()> m_onShowModal;
    int m_modalShows = 0;
    bool m_hidden = false;
    bool m_unloaded = false;
};

}  // namespace snapwright
