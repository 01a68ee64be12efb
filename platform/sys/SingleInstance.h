#pragma once
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

// One running copy of the program per user. The first copy listens on a
// per-user local socket; a later copy that reaches it asks it to come to the
// front and is told to end. A socket left behind by a copy that crashed is
// removed and taken over.
class SingleInstance {
public:
    // `name` tells programs (and tests) apart; the socket lives in the user's
    // runtime folder under that name and the user's id.
    explicit SingleInstance(const QString &name);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this is the first copy (it now listens); false when another
    // copy answered and was asked to show itself. The answer is kept.
    bool Claim();

    // Called on the UI thread of the first copy when a later copy starts.
    // Requests that come while it is unset (the windows are still being
    // made) wait in the socket's queue until HandlePending runs with it set.
    std::function<void()> OnActivateRequest;
    void HandlePending();

    QString SocketPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLocalServer> server_;
};
