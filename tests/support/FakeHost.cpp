#include "FakeHost.h"

#include <algorithm>

namespace brinox::test {

void FakeHost::Log(std::string entry) {
    if (keepLog) {
        log.push_back(std::move(entry));
    }
}

void FakeHost::RedrawAll() {
    ++redrawAll;
    Log("redraw");
}

void FakeHost::RedrawFallingPiece() {
    ++redrawFallingPiece;
}

void FakeHost::RedrawCounters() {
    ++redrawCounters;
}

void FakeHost::Play(SoundEvent event, const std::string& file) {
    if (recordSounds) {
        sounds.emplace_back(event, file);
    }
    Log("sound " + std::to_string(static_cast<std::int32_t>(event)));
}

void FakeHost::FieldAnimation(FieldAnimationKind kind) {
    fieldAnimations.push_back(kind);
    Log("animation " + std::to_string(static_cast<std::int32_t>(kind)));
    if (onFieldAnimation) {
        onFieldAnimation();
    }
}

void FakeHost::RowRemoval() {
    ++rowRemovals;
    Log("row removal");
    if (onRowRemoval) {
        onRowRemoval();
    }
}

void FakeHost::Explosion(const BlastRect& blast) {
    explosions.push_back(blast);
    Log("explosion");
}

bool FakeHost::ConfirmCancelGame() {
    Log(cancelAnswer ? "question yes" : "question no");
    if (onQuestion) {
        onQuestion();
    }
    return cancelAnswer;
}

void FakeHost::ShowWinner() {
    ++winnerBoxes;
    Log("winner");
}

void FakeHost::GameFinished(const GameResult& result) {
    results.push_back(result);
    Log("result");
    if (onGameFinished) {
        onGameFinished(result);
    }
}

std::int32_t FakeHost::BestScore(std::int32_t table) {
    return table >= 0 && table < static_cast<std::int32_t>(bestScores.size()) ? bestScores[table]
                                                                              : 0;
}

std::int32_t FakeHost::Played(SoundEvent event) const {
    return static_cast<std::int32_t>(std::count_if(
        sounds.begin(), sounds.end(), [event](const auto& sound) { return sound.first == event; }));
}

void FakeHost::ClearRecords() {
    redrawAll = redrawFallingPiece = redrawCounters = rowRemovals = 0;
    winnerBoxes = 0;
    sounds.clear();
    fieldAnimations.clear();
    explosions.clear();
    results.clear();
    log.clear();
}

} // namespace brinox::test
