#include "platform/core/CCutomProgres.h"

#include "platform/core/CWaitNoteDisplayBase.h"

namespace {

QStringList& NoteStack()
{
    static QStringList stack;
    return stack;
}

void ShowNote(const QString& note)
{
    if (note.isEmpty())
        return;
    if (CWaitNoteDisplayBase* display = CWaitNoteDisplayBase::GetCurrent())
        display->ShowNote(note);
}

} // namespace

CCutomProgres::CCutomProgres(const QString& note, int tag) : m_tag(tag)
{
    ShowNote(note);
    NoteStack().append(note);
}

CCutomProgres::~CCutomProgres()
{
    QStringList& stack = NoteStack();
    if (!stack.isEmpty())
        stack.removeLast();
    if (!stack.isEmpty()) {
        ShowNote(stack.last());
        return;
    }
    if (CWaitNoteDisplayBase* display = CWaitNoteDisplayBase::GetCurrent())
        display->CloseNote();
}

QStringList CCutomProgres::Notes()
{
    return NoteStack();
}
