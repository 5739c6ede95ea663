#include "platform/walk/WalkProgress.h"

namespace rnx10::walk {

namespace {
thread_local WalkProgress *current = nullptr;
}

WalkProgress *threadProgress() { return current; }

ScopedProgress::ScopedProgress(WalkProgress *progress) : m_previous(current) { current = progress; }

ScopedProgress::~ScopedProgress() { current = m_previous; }

} // namespace rnx10::walk
