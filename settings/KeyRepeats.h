// Tells the press that begins a key's hold from the repeats of a held key.
// X11 repeats a held key as a release and a press with one time stamp, and Qt
// marks the pair as a repeat only when it has read both by the time it reads
// the release; an unmarked pair counts as a repeat here too. Events without a
// time stamp (made by a program, not the keyboard) are taken as marked.
//
// Invariants: only releases are remembered, one time stamp per key.
#pragma once

#include <QKeyEvent>

#include <cstdint>
#include <map>

namespace brinox {

class KeyRepeats {
public:
    // Feeds one key event; true for a press that begins a new hold of its key.
    bool NewPress(const QKeyEvent& event) {
        if (event.type() == QEvent::KeyRelease) {
            releasedAt[event.key()] = event.timestamp();
            return false;
        }
        if (event.type() != QEvent::KeyPress || event.isAutoRepeat()) {
            return false;
        }
        const auto released = releasedAt.find(event.key());
        return event.timestamp() == 0 || released == releasedAt.end() ||
               released->second != event.timestamp();
    }

private:
    std::map<int, std::uint64_t> releasedAt;
};

} // namespace brinox
