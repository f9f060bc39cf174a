// A recording stand-in for the window: counts redraws, records sounds,
// animations and results, answers the cancel question from a script and
// reports set best scores. Hooks let a test look at the game while the window
// is asked for something; with `keepLog` on it keeps the order of requests.
#pragma once

#include "engine/GameHost.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace brinox::test {

class FakeHost : public GameDisplay,
                 public GameSounds,
                 public GameAnimations,
                 public GamePrompts,
                 public GameResults {
public:
    void RedrawAll() override;
    void RedrawFallingPiece() override;
    void RedrawCounters() override;
    void Play(SoundEvent event, const std::string& file) override;
    void FieldAnimation(FieldAnimationKind kind) override;
    void RowRemoval() override;
    void Explosion(const BlastRect& blast) override;
    bool ConfirmCancelGame() override;
    void ShowWinner() override;
    void GameFinished(const GameResult& result) override;
    std::int32_t BestScore(std::int32_t table) override;

    // How often a sound event was played.
    std::int32_t Played(SoundEvent event) const;
    // Forgets everything recorded; keeps the answers and hooks.
    void ClearRecords();

    std::int32_t redrawAll = 0;
    std::int32_t redrawFallingPiece = 0;
    std::int32_t redrawCounters = 0;
    std::int32_t rowRemovals = 0;
    std::int32_t winnerBoxes = 0;
    bool recordSounds = true;
    std::vector<std::pair<SoundEvent, std::string>> sounds;
    std::vector<FieldAnimationKind> fieldAnimations;
    std::vector<BlastRect> explosions;
    std::vector<GameResult> results;

    bool keepLog = false;
    std::vector<std::string> log;

    // Scripted behaviour.
    bool cancelAnswer = true;
    std::array<std::int32_t, 8> bestScores{};

    // Called inside the matching request, before it returns.
    std::function<void()> onRowRemoval;
    std::function<void()> onFieldAnimation;
    std::function<void()> onQuestion;
    std::function<void(const GameResult&)> onGameFinished;

private:
    void Log(std::string entry);
};

} // namespace brinox::test
