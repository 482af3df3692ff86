#pragma once
// The report's figure as a screen reader finds it: a list whose items are
// the drawing's elements (triangles, sides, angles, heights, circles...),
// each with its name and a description that starts with its value, and
// the item the arrow keys are on announced as focused.
class QWidget;

namespace anglewise {

class ReportFigureWidget;

/// Lets Qt find the figure's accessible list; once per program is enough.
void installFigureAccessibility();
/// After the figure was laid out anew: items for elements that are gone
/// are dropped.
void figureElementsChanged(ReportFigureWidget* figure);
/// The arrow keys moved to the element at `index`.
void figureElementFocused(ReportFigureWidget* figure, int index);
/// The figure is going away: every item of it is dropped.
void forgetFigureElements(ReportFigureWidget* figure);

}  // namespace anglewise
