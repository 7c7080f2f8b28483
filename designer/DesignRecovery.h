#pragma once
// Unsaved work that survives a crash: while the design on the form has
// unsaved changes, a recovery copy is written every interval and before
// another window opens; a clean exit or a save removes it, and the next
// start offers a copy left by a run that did not end cleanly.
#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class TfrmDesignMain;

class TDesignRecovery : public QObject {
    Q_OBJECT
public:
    // folder: where the copies live (the user's data folder in the program),
    // made when first needed. Each running program keeps its own copy
    // ("recovery-<process>-<n>.sdf") locked, so two programs never write or
    // offer each other's.
    TDesignRecovery(TfrmDesignMain& form, std::string folder, int intervalMs = 60000);
    // A clean exit: the copy and its lock go.
    ~TDesignRecovery() override;

    // Offers each copy whose program is gone, newest first: "Restore the
    // unsaved changes to <class> from <time>?". OK restores it onto the form
    // as unsaved (after the form's own "Save changes to" question when an
    // earlier copy is on it; Cancel there keeps this copy for the next
    // start); Cancel discards it. True when one was restored.
    bool OfferRestore();
    // Writes the copy now when the design has unsaved changes, removes it
    // when it has none.
    void WriteNow();
    const std::string& CopyPath() const { return copy_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void removeCopy();
    // Puts the copy on the form; false (after the message) when it cannot be read.
    bool Restore(const std::string& copy, const std::string& className);

    TfrmDesignMain& form_;
    std::string folder_;
    std::string copy_;                  // this program's copy
    std::vector<std::string> restored_; // the copies restored at start, the displayed ship's files until exit
    std::unique_ptr<QLockFile> lock_;
    bool refusalShown_ = false; // the folder's refusal is said once a run
    QTimer timer_;
};
