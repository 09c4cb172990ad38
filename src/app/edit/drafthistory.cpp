#include "app/edit/drafthistory.h"

void DraftHistory::Change(const LevelDraft& changed)
{
    if (changed == now_)
        return;
    before_.push_back(now_);
    if (before_.size() > kDepth)
        before_.pop_front();
    after_.clear();
    now_ = changed;
}

bool DraftHistory::Undo()
{
    if (before_.empty())
        return false;
    after_.push_back(now_);
    now_ = before_.back();
    before_.pop_back();
    return true;
}

bool DraftHistory::Redo()
{
    if (after_.empty())
        return false;
    before_.push_back(now_);
    now_ = after_.back();
    after_.pop_back();
    return true;
}
