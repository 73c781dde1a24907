#pragma once

// The list box and tab row that show a CSysOutputManage. Every call comes after the model has
// changed; the rows always belong to the model's shown category, row i to line i.
class CSysOutputViewBase
{
public:
    virtual ~CSysOutputViewBase() = default;

    // Lines first..last were appended to the shown category; the last becomes the current row
    // (a widget may do that once its event loop runs).
    virtual void RowsAppended(int first, int last) = 0;
    // Line index of the shown category was removed.
    virtual void RowRemoved(int index) = 0;
    // The rows are to be read again wholly (cleared, another tab shown, end of a suspended
    // update); with selectLast the last row becomes the current one.
    virtual void RowsReset(bool selectLast) = 0;
    // The counts behind the tab captions changed (CSysOutputManage::TabCaption).
    virtual void TabCaptionsChanged() = 0;
};
