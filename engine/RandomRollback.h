#pragma once
// Gives a random source back the state it had when the rollback was made,
// unless the work that drew from it is kept. A run that is cancelled or fails
// then leaves the seed as it found it: the next run deals the boards this one
// would have dealt, and a partner who set the same seed stays in step.

#include "engine/RandomSource.h"

namespace kv {

class TRandomRollback {
  public:
    explicit TRandomRollback(TRandomSource& random) : random_(random), before_(random.State()) {}
    ~TRandomRollback() {
        if (!kept_) random_.Restore(before_);
    }
    TRandomRollback(const TRandomRollback&) = delete;
    TRandomRollback& operator=(const TRandomRollback&) = delete;

    // The numbers drawn stay drawn.
    void Keep() { kept_ = true; }
    const TRandomState& Before() const { return before_; }

  private:
    TRandomSource& random_;
    const TRandomState before_;
    bool kept_ = false;
};

} // namespace kv
