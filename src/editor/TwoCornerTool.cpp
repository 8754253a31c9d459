#include "editor/TwoCornerTool.h"

namespace snapwright {

bool TwoCornerTool::OnButtonAgain() {
    if (m_corners != 0) return false;
    m_core.changed = true;
    return true;
}

void TwoCornerTool::OnMouseDown(Point view) {
    if (m_corners == 0) {
        m_corners = 1;
        m_firstView = view;
        m_firstPicture = m_core.ToPicture(view);
    } else if (m_corners == 1) {
        m_corners = 2;
        OnSecondCorner(view);
    } else {
        OnClickAfterCorners(view);
    }
}

// A release near the press was a click at the first corner: the second comes with the next click.
void TwoCornerTool::OnMouseUp(Point view, bool dragged) {
    if (!dragged || m_corners != 1) return;
    m_corners = 2;
    OnSecondCorner(view);
}

}  // namespace snapwright
