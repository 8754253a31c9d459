#pragma once
#include "editor/EditorCore.h"

namespace snapwright {

// A tool that takes the two corners of a rectangle: two clicks, or a press at the first corner
// and, dragged, a release at the second. Its button leaves it only before the first corner, and
// then counts as a change; after the first corner the button keeps it.
class TwoCornerTool : public Tool {
public:
    void OnActivate() override { m_corners = 0; }
    void OnDeactivate() override { m_corners = 0; }
    bool OnButtonAgain() override;
    bool Idle() const override { return m_corners == 0; }
    void OnMouseDown(Point view) override;
    void OnMouseUp(Point view, bool dragged) override;

protected:
    explicit TwoCornerTool(EditorCore& core) : m_core(core) {}
    virtual void OnSecondCorner(Point view) = 0;
    // A click once both corners are given.
    virtual void OnClickAfterCorners(Point /*view*/) {}
    int Corners() const { return m_corners; }

    EditorCore& m_core;
    Point m_firstView;
    Point m_firstPicture;

private:
    int m_corners = 0;
};

}  // namespace snapwright
