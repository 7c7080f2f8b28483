#include "designer/DesignHistory.h"

#include <QUndoCommand>

// One committed edit: the whole design before and after it.
class TDesignStep : public QUndoCommand {
public:
    TDesignStep(TDesignHistory& history, DesignSnapshot before, DesignSnapshot after, const QString& name)
        : QUndoCommand(name), history_(history), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { history_.apply(before_); }
    void redo() override {
        // Pushing runs redo once; the form already shows the new state then.
        if (pushed_) history_.apply(after_);
        pushed_ = true;
    }

private:
    TDesignHistory& history_;
    DesignSnapshot before_;
    DesignSnapshot after_;
    bool pushed_ = false;
};

TDesignHistory::TDesignHistory(Take take, Restore restore, QObject* parent)
    : QObject(parent), take_(std::move(take)), restore_(std::move(restore)) {}

void TDesignHistory::Reset() {
    stack_.clear();
    committed_ = saved_ = take_();
    emit modifiedChanged();
}

void TDesignHistory::Commit(const QString& name) {
    if (restoring_ || held_) return;
    DesignSnapshot now = take_();
    if (now == committed_) return;
    DesignSnapshot before = std::move(committed_);
    committed_ = now;
    stack_.push(new TDesignStep(*this, std::move(before), std::move(now), name));
    emit modifiedChanged();
}

void TDesignHistory::MarkSaved() {
    saved_ = take_();
    emit modifiedChanged();
}

void TDesignHistory::MarkUnsaved() {
    saved_ = DesignSnapshot{};
    saved_.Document.Inputs.Displacement = -1; // below any displacement a form can hold
    emit modifiedChanged();
}

bool TDesignHistory::Modified() const { return !(take_() == saved_); }

void TDesignHistory::apply(const DesignSnapshot& state) {
    restoring_ = true;
    restore_(state);
    restoring_ = false;
    committed_ = state;
    emit modifiedChanged();
}
