#pragma once
#include <functional>
#include <map>
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

    friend bool operator==(const FakeControl&, const FakeControl&) = default;
};

// An in-memory window for presenter tests: keeps what each control shows. A control gets an
// entry in `controls` only when it is changed (or seeded by a test through State), so a test
// can tell which controls a presenter touched.
class FakeForm : public IForm {
public:
    void SetText(ControlId c, const std::string& text) override { controls[c].text = text; }
    std::string Text(ControlId c) const override { return State(c).text; }
    void SetFontName(ControlId c, const std::string& face) override { controls[c].fontName = face; }
    void SetFontSize(ControlId c, int points) override { controls[c].fontSize = points; }
    void SetChecked(ControlId c, bool on) override { controls[c].checked = on; }
    bool Checked(ControlId c) const override { return State(c).checked; }
    void SetVisible(ControlId c, bool on) override { controls[c].visible = on; }
    void SetEnabled(ControlId c, bool on) override { controls[c].enabled = on; }
    void SetBounds(ControlId c, const Rect& twips) override { controls[c].bounds = twips; }
    Rect Bounds(ControlId c) const override { return State(c).bounds; }
    void ClearList(ControlId c) override {
        controls[c].items.clear();
        controls[c].listIndex = -1;
    }
    void AddListItem(ControlId c, const std::string& text) override { controls[c].items.push_back(text); }
    void SetListIndex(ControlId c, int index) override { controls[c].listIndex = index; }
    int ListIndex(ControlId c) const override { return State(c).listIndex; }
    void SetFocus(ControlId c) override { focused = c; }

    // ShowModal runs the action given to OnShowModal, standing for what the user does while the
    // dialog is open (clicking a button, say), and then returns as the modal loop would.
    void ShowModal() override {
        ++m_modalShows;
        m_hidden = false;
        if (m_onShowModal) m_onShowModal();
    }
    void Show() override { m_hidden = false; }
    void Hide() override { m_hidden = true; }
    void Unload() override { m_unloaded = true; }

    // --- for the tests ---

    // A control's state; reading one that was never touched gives the default state.
    template <typename C> FakeControl& State(C control) { return controls[Id(control)]; }
    template <typename C> const FakeControl& State(C control) const {
        static const FakeControl kUntouched;
        const auto found = controls.find(Id(control));
        return found == controls.end() ? kUntouched : found->second;
    }

    void OnShowModal(std::function<void()> action) { m_onShowModal = std::move(action); }
    int ModalShows() const { return m_modalShows; }
    bool Hidden() const { return m_hidden; }
    bool Unloaded() const { return m_unloaded; }

    std::map<ControlId, FakeControl> controls;
    ControlId focused = -1;

private:
    std::function<void()> m_onShowModal;
    int m_modalShows = 0;
    bool m_hidden = false;
    bool m_unloaded = false;
};

}  // namespace snapwright
