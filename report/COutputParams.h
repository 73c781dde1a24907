#pragma once
#include "platform/core/CCurrent.h"
#include "report/COutputParam.h"

#include <QString>
#include <memory>
#include <vector>

// The output options of the open project's calculation book (table OutputOption) as a tree under
// a root item (ID 0, "输出参数", not stored). One program-wide instance, loaded when a project is
// opened and after the defaults are restored; the section builders ask it by option ID whether an
// item is printed for the current design type, and the output options dialog changes flags and
// writes them back.
//
// Options are kept in ascending ID; a lookup searches outward from the position equal to the ID,
// so dense IDs from 1 are found at once and gaps or odd rows are still found. An ID that no row
// has adds "系统异常，找不到输出项%d,请与我们联系!!!" to the error category of the message panel
// and reads as off. Database failures raise.
class COutputParams : public CCurrent<COutputParams>
{
public:
    static constexpr const char* SlotName = "COutputParams";
    static constexpr const char* RootCaption = "输出参数";

    COutputParams();
    ~COutputParams();

    // Rereads the whole tree from the project's OutputOption query. A row whose FatherID names no
    // row stays out of the tree (one error line per such parent) but is still found by ID.
    void LoadOutputParams();
    // Only the root remains; Modified is cleared.
    void Clear();
    // Writes the nine flags of every changed option into its row, found by ID, in one transaction,
    // and clears their Changed marks.
    void SaveOutputParams();

    // The root for 0; else the option with that ID (CurrentIndex := its position), or null after
    // the error line.
    COutputParam* FindOutputParam(int id);
    // Whether the option exists and its flag for the design type (the current one when omitted)
    // is above 0.
    bool IsOutput(int id);
    bool IsOutput(int id, int designType);
    // The caption of the option with that ID; empty, after the error line, when there is none.
    QString GetOutputName(int id);
    // Sets the option's flag for the design type and marks the option and the tree changed.
    void SetOutputFlag(COutputParam& option, int designType, int flag);

    int Count() const { return static_cast<int>(m_params.size()); }
    COutputParam* Param(int position) const;
    COutputParam& Root() { return m_root; }

    int CurrentIndex = -1;
    // Set when a flag changed; the dialog's store saves the tree only then. Cleared by Clear.
    bool Modified = false;

private:
    void ReportMissing(int id) const;

    std::vector<std::unique_ptr<COutputParam>> m_params;
    COutputParam m_root;
};
